#include "LayoutSurface.h"

LayoutFactors LayoutFactors::forResolution(int dotsPerInchAcross, int dotsPerInchDown)
{
    return {dotsPerInchAcross / kLayoutUnitsPerInch, dotsPerInchDown / kLayoutUnitsPerInch};
}

QPoint LayoutSurface::toDevice(QPoint layout) const
{
    return {layout.x() * factors_.horizontal, layout.y() * factors_.vertical};
}

void LayoutSurface::text(QPoint at, const QString& text, int points, QPoint shiftDots)
{
    if (text.isEmpty())
        return;
    paintText({text, at, shiftDots, points, toDevice(at) + shiftDots});
}

void LayoutSurface::line(QPoint from, QPoint to, int penDots)
{
    paintLine({from, to, penDots, toDevice(from), toDevice(to)});
}
