#pragma once

#include "print/LabelStockChoice.h"

#include <QFrame>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class StockPositionPicture;

// The output panel's label stock group: where on the sheet of stock to begin
// (開始位置, with a picture of the sheet of the plates last chosen), which records
// (印刷する記録), how many plates each (部数), the fit check (はみ出し確認)
// and the printer calibration (位置調整…). It only holds the user's choice;
// the print commands read it.
class LabelStockPanel : public QFrame {
    Q_OBJECT
public:
    explicit LabelStockPanel(QWidget* parent = nullptr);

    // The kind of plates the picture shows and the calibration is for: the
    // type B size chosen, or the output last printed.
    PlateKind plateKind() const { return kind_; }
    void setPlateKind(PlateKind kind);
    // The choice without the sheet's selected rows, which the window adds.
    LabelStockChoice choice() const;
    // The kinds はみ出し確認 checks: the one chosen beside it, or all three.
    std::vector<PlateKind> fitCheckKinds() const;
    // How many plates the current choice prints, for the sheet picture.
    void showPlateCount(int plates);

    QSpinBox* startBox = nullptr;
    StockPositionPicture* picture = nullptr;
    QRadioButton* allRecords = nullptr;
    QRadioButton* selectedRecords = nullptr;
    QRadioButton* listedRecords = nullptr;
    QLineEdit* listBox = nullptr;
    QSpinBox* copiesBox = nullptr;
    QPushButton* checkButton = nullptr;
    QComboBox* checkKindBox = nullptr;
    QPushButton* calibrateButton = nullptr;

Q_SIGNALS:
    // Any control changed: the window recounts the plates.
    void choiceChanged();

protected:
    // The sheet may have changed while the panel was hidden.
    void showEvent(QShowEvent* event) override;

private:
    PlateKind kind_ = PlateKind::TypeA;
    int plateCount_ = 0;
};
