#pragma once

#include "print/PlateFrames.h"

#include <QWidget>

// A small picture of the first sheet of label stock a print uses: labels
// before the start position are shown used up (grey), the ones this print
// fills in navy, the ones it leaves free white; and, in the corner, how many
// sheets the print takes.
class StockPositionPicture : public QWidget {
    Q_OBJECT
public:
    explicit StockPositionPicture(QWidget* parent = nullptr);

    void showSheet(PlateKind kind, int startPosition, int platesPrinted);

    // The label positions drawn as used up and as printed, for tests.
    int usedUp() const { return startPosition_ - 1; }
    int printedOnFirstSheet() const;
    int sheetCount() const;
    // Labels left free on the print's last sheet, for the next print.
    int freeOnLastSheet() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlateKind kind_ = PlateKind::TypeA;
    int startPosition_ = 1;
    int platesPrinted_ = 0;
};
