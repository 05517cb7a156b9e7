#pragma once

#include "print/LabelStockChoice.h"

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class StockPositionPicture;

// The output panel's label stock group: which sheet of stock (用紙), where on
// it to begin (開始位置, with a picture of the sheet), which records
// (印刷する記録), how many plates each (部数), the fit check (はみ出し確認)
// and the printer calibration (位置調整…). It only holds the user's choice;
// the print commands read it.
class LabelStockPanel : public QFrame {
    Q_OBJECT
public:
    explicit LabelStockPanel(QWidget* parent = nullptr);

    PlateKind plateKind() const;
    // The choice without the sheet's selected rows, which the window adds.
    LabelStockChoice choice() const;
    // How many plates the current choice prints, for the sheet picture.
    void showPlateCount(int plates);

    QComboBox* kindBox = nullptr;
    QSpinBox* startBox = nullptr;
    StockPositionPicture* picture = nullptr;
    QRadioButton* allRecords = nullptr;
    QRadioButton* selectedRecords = nullptr;
    QRadioButton* listedRecords = nullptr;
    QLineEdit* listBox = nullptr;
    QSpinBox* copiesBox = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* calibrateButton = nullptr;

Q_SIGNALS:
    // Any control changed: the window recounts the plates.
    void choiceChanged();

protected:
    // The sheet may have changed while the panel was hidden.
    void showEvent(QShowEvent* event) override;

private:
    void kindChanged();
    int plateCount_ = 0;
};
