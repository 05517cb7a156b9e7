#pragma once

#include "PageSource.h"
#include "PlateFrames.h"

// One page for lining up a printer with label stock: the plate frames of a
// page drawn thin, and at each frame corner a cross with a millimetre scale
// on its arms. Laid on the stock, the printed sheet shows how far the printer
// shifts the plates, to be typed in as its offsets.
class CalibrationPage : public PageSource {
public:
    explicit CalibrationPage(PlateKind kind) : kind_(kind) {}

    int pageCount() const override { return 1; }
    void drawPage(LayoutSurface& surface, int page) const override;

    static constexpr int kScaleMm = 5; // each arm of a cross is this long

private:
    void drawCross(LayoutSurface& surface, QPoint corner) const;

    PlateKind kind_;
};
