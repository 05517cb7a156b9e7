#pragma once

#include "print/PlateFrames.h"

#include <QWidget>

// A small picture of one sheet of label stock: labels before the start
// position are shown used up (grey), the ones this print fills in navy, the
// rest left white.
class StockPositionPicture : public QWidget {
    Q_OBJECT
public:
    explicit StockPositionPicture(QWidget* parent = nullptr);

    void showSheet(PlateKind kind, int startPosition, int platesPrinted);

    // The label positions drawn as used up and as printed, for tests.
    int usedUp() const { return startPosition_ - 1; }
    int printedOnFirstSheet() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlateKind kind_ = PlateKind::TypeA;
    int startPosition_ = 1;
    int platesPrinted_ = 0;
};
