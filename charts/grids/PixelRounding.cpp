#include "charts/grids/PixelRounding.h"

#include <cmath>

namespace Orlix::Frontend {

std::optional<int> wholePixel(double value)
{
    if (!(std::abs(value) < pixelLimit))
        return std::nullopt;
    return static_cast<int>(std::round(value));
}

std::optional<QPoint> wholePixel(QPointF point)
{
    const std::optional<int> x = wholePixel(point.x());
    const std::optional<int> y = wholePixel(point.y());
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

} // namespace Orlix::Frontend
