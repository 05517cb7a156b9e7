#include "AdjustedPages.h"

#include "LayoutSurface.h"

void AdjustedPages::drawPage(LayoutSurface& surface, int page) const
{
    surface.setAdjustment(adjustment_());
    pages_.drawPage(surface, page);
}
