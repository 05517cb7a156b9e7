#include "RecordingSurface.h"

void RecordingSurface::paintText(const SurfaceText& text)
{
    steps_.push_back({true, texts_.size()});
    texts_.push_back(text);
}

void RecordingSurface::paintLine(const SurfaceLine& line)
{
    steps_.push_back({false, lines_.size()});
    lines_.push_back(line);
}
