#include "charts/grids/PolarGridGeometry.h"

#include "charts/grids/PixelRounding.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

namespace {

constexpr double fullTurn = 2.0 * M_PI;

void appendLine(QVector<QLine>& lines, QPointF p1, QPointF p2)
{
    const std::optional<QPoint> a = wholePixel(p1);
    const std::optional<QPoint> b = wholePixel(p2);
    if (a && b)
        lines.append(QLine(*a, *b));
}

} // namespace

double effectiveGridScale(double scale)
{
    return std::isfinite(scale) ? std::max(scale, 0.001) : 1.0;
}

PolarGridGeometry polarGridGeometry(QSizeF size, double scale)
{
    PolarGridGeometry grid;
    const double radius = std::min(size.width(), size.height()) / 2.0;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const std::optional<int> unit = wholePixel(radius / effectiveGridScale(scale));

    if (unit && *unit < radius)
        grid.outerCircles.append({centre, double(*unit), 0.0, fullTurn});
    grid.outerCircles.append({centre, radius, 0.0, fullTurn});

    appendLine(grid.outerAxes, centre - QPointF(0.0, radius), centre + QPointF(0.0, radius));
    appendLine(grid.outerAxes, centre - QPointF(radius, 0.0), centre + QPointF(radius, 0.0));

    for (int ring = 1; ring <= 3; ++ring) {
        const int count = 2 << ring;
        const double step = fullTurn / count;
        const double from = std::trunc(ring * radius / 4.0);
        for (int k = 0; k < count; ++k) {
            const double angle = step / 2.0 + k * step;
            const QPointF direction(std::cos(angle), std::sin(angle));
            appendLine(grid.innerRadialLines, centre + direction * from, centre + direction * radius);
        }
    }

    for (int k = 0; k < 4; ++k)
        grid.innerCircles.append({centre, k * radius / 4.0, 0.0, fullTurn});
    return grid;
}

} // namespace Orlix::Frontend
