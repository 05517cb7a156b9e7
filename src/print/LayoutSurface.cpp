#include "LayoutSurface.h"

LayoutFactors LayoutFactors::forResolution(int dotsPerInchAcross, int dotsPerInchDown)
{
    return {dotsPerInchAcross / kLayoutUnitsPerInch, dotsPerInchDown / kLayoutUnitsPerInch};
}

QPoint LayoutSurface::toDevice(QPoint layout) const
{
    return {layout.x() * factors_.horizontal, layout.y() * factors_.vertical};
}

QPointF LayoutSurface::dotsPerMm() const
{
    // A millimetre of the layout, so a shift stays true to the plates drawn.
    constexpr double kLayoutUnitsPerMm = kLayoutUnitsPerInch / 25.4;
    return {kLayoutUnitsPerMm * factors_.horizontal, kLayoutUnitsPerMm * factors_.vertical};
}

void LayoutSurface::setAdjustment(const PageAdjustment& adjustment)
{
    adjustment_ = adjustment;
    adjustmentChanged();
}

QPoint LayoutSurface::adjusted(QPoint device) const
{
    const QPointF perMm = dotsPerMm();
    return adjustment_.apply(device, perMm.x(), perMm.y());
}

void LayoutSurface::text(QPoint at, const QString& text, int points, QPoint shiftDots)
{
    if (text.isEmpty())
        return;
    paintText({text, at, shiftDots, points, adjusted(toDevice(at) + shiftDots), lineName_});
}

void LayoutSurface::line(QPoint from, QPoint to, int penDots)
{
    paintLine({from, to, penDots, adjusted(toDevice(from)), adjusted(toDevice(to))});
}
