#include "CalibrationPage.h"

#include "LayoutSurface.h"

#include <cmath>

namespace {

constexpr double kUnitsPerMm = kLayoutUnitsPerInch / 25.4;
constexpr int kThinPen = 1;
constexpr int kTitlePoints = 11;
constexpr int kNotePoints = 9;
constexpr QPoint kTitleAt{490, 120};
constexpr QPoint kNoteAt{490, 220};

int mm(double millimetres) { return static_cast<int>(std::lround(millimetres * kUnitsPerMm)); }

} // namespace

void CalibrationPage::drawPage(LayoutSurface& surface, int) const
{
    surface.text(kTitleAt, u"位置調整用テストページ　"_qs + plateKindName(kind_), kTitlePoints);
    surface.text(kNoteAt, u"ラベル用紙に重ね、各角の十字から枠のずれを目盛り（1mm）で読み取ってください。"_qs, kNotePoints);
    for (const QRect& frame : plateFrames(kind_)) {
        const QPoint topLeft = frame.topLeft();
        const QPoint bottomRight = topLeft + QPoint(frame.width(), frame.height());
        const QPoint topRight(bottomRight.x(), topLeft.y());
        const QPoint bottomLeft(topLeft.x(), bottomRight.y());
        surface.line(topLeft, topRight, kThinPen);
        surface.line(topRight, bottomRight, kThinPen);
        surface.line(bottomRight, bottomLeft, kThinPen);
        surface.line(bottomLeft, topLeft, kThinPen);
        for (const QPoint corner : {topLeft, topRight, bottomRight, bottomLeft})
            drawCross(surface, corner);
    }
}

void CalibrationPage::drawCross(LayoutSurface& surface, QPoint corner) const
{
    const int arm = mm(kScaleMm);
    surface.line(corner - QPoint(arm, 0), corner + QPoint(arm, 0), kThinPen);
    surface.line(corner - QPoint(0, arm), corner + QPoint(0, arm), kThinPen);
    // A tick at every millimetre, longer at the ends so the scale reads at a glance.
    for (int step = -kScaleMm; step <= kScaleMm; ++step) {
        if (step == 0)
            continue;
        const int tick = std::abs(step) == kScaleMm ? mm(1.0) : mm(0.5);
        const int along = mm(step);
        surface.line(corner + QPoint(along, -tick), corner + QPoint(along, tick), kThinPen);
        surface.line(corner + QPoint(-tick, along), corner + QPoint(tick, along), kThinPen);
    }
}
