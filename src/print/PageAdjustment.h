#pragma once

#include <QPoint>
#include <QTransform>

// A printer's own correction of where a page lands on the paper: a shift in
// millimetres (X to the right, Y down) and a stretch in per cent about the
// page's top-left corner. Every printer feeds paper a little off; label stock
// only forgives a fraction of a millimetre.
struct PageAdjustment {
    static constexpr double kMaxOffsetMm = 20.0;
    static constexpr double kMinScalePercent = 95.0;
    static constexpr double kMaxScalePercent = 105.0;

    double offsetXMm = 0;
    double offsetYMm = 0;
    double scaleXPercent = 100;
    double scaleYPercent = 100;

    bool isIdentity() const { return offsetXMm == 0 && offsetYMm == 0 && scaleXPercent == 100 && scaleYPercent == 100; }
    bool isWithinLimits() const;
    // A device point after the stretch and then the shift; dotsPerMm converts the shift.
    QPoint apply(QPoint device, double dotsPerMmAcross, double dotsPerMmDown) const;
    // The same stretch and shift as a painter transform of device dots, which
    // stretches glyphs and pens with the positions.
    QTransform transform(double dotsPerMmAcross, double dotsPerMmDown) const;

    friend bool operator==(const PageAdjustment&, const PageAdjustment&) = default;
};
