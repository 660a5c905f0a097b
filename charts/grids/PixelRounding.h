#pragma once

#include <QPoint>
#include <QPointF>

#include <optional>

namespace Orlix::Frontend {

// Far beyond any screen, and still well inside the range of int.
constexpr double pixelLimit = 1e9;

// The nearest whole pixel, halves away from zero; none for a value that is not
// finite or lies beyond pixelLimit, which no int conversion may see.
std::optional<int> wholePixel(double value);
std::optional<QPoint> wholePixel(QPointF point);

} // namespace Orlix::Frontend
