#include "PageAdjustment.h"

#include <cmath>

bool PageAdjustment::isWithinLimits() const
{
    const auto offsetFits = [](double mm) { return std::abs(mm) <= kMaxOffsetMm; };
    const auto scaleFits = [](double percent) { return percent >= kMinScalePercent && percent <= kMaxScalePercent; };
    return offsetFits(offsetXMm) && offsetFits(offsetYMm) && scaleFits(scaleXPercent) && scaleFits(scaleYPercent);
}

QPoint PageAdjustment::apply(QPoint device, double dotsPerMmAcross, double dotsPerMmDown) const
{
    if (isIdentity())
        return device;
    const double x = device.x() * scaleXPercent / 100.0 + offsetXMm * dotsPerMmAcross;
    const double y = device.y() * scaleYPercent / 100.0 + offsetYMm * dotsPerMmDown;
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

QTransform PageAdjustment::transform(double dotsPerMmAcross, double dotsPerMmDown) const
{
    return {scaleXPercent / 100.0, 0, 0, scaleYPercent / 100.0, offsetXMm * dotsPerMmAcross, offsetYMm * dotsPerMmDown};
}
