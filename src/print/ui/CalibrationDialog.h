#pragma once

#include "print/PageAdjustment.h"

#include <QDialog>

#include <functional>

class PrinterAdjustments;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

// 位置調整: each printer's offsets and scale, kept as soon as they change.
// テスト印刷 prints the calibration page through the normal print path, so
// the page comes out with the values just typed in.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    // printerNames: the printers to offer; "PDF" is added at the end.
    CalibrationDialog(PrinterAdjustments& adjustments, const QStringList& printerNames,
                      std::function<void()> testPrint, QWidget* parent = nullptr);

    QComboBox* printerBox = nullptr;
    QDoubleSpinBox* offsetXBox = nullptr;
    QDoubleSpinBox* offsetYBox = nullptr;
    QDoubleSpinBox* scaleXBox = nullptr;
    QDoubleSpinBox* scaleYBox = nullptr;
    QPushButton* testPrintButton = nullptr;

private:
    void showPrinter();
    void store();
    PageAdjustment shown() const;

    PrinterAdjustments& adjustments_;
    bool loading_ = false;
};
