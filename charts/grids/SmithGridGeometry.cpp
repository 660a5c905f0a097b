#include "charts/grids/SmithGridGeometry.h"

#include "charts/grids/CircleClipping.h"
#include "charts/grids/PixelRounding.h"
#include "charts/grids/PolarGridGeometry.h"
#include "charts/grids/SineTable.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

namespace {

constexpr double fullTurn = 2.0 * M_PI;

// Circles are placed to the whole pixel before they are clipped. A circle
// that is not finite, or too large for a pixel (the reactance-0 "circle" is a
// straight line), has no part to draw.
std::optional<Circle> wholePixelCircle(QPointF centre, double radius)
{
    const std::optional<QPoint> c = wholePixel(centre);
    const std::optional<int> r = wholePixel(radius);
    if (!c || !r || *r < 0)
        return std::nullopt;
    return Circle{*c, double(*r)};
}

// Pixel radius of the reactance arcs through the rim at angle k * pi / 6,
// with the shapes that keep the two outermost arcs apart when zoomed in; none
// where they would crowd the rim.
std::optional<double> reactanceRadius(int k, double s, double outerRadius)
{
    if (k == 4 && s > 2.0)
        return (7.0 / ((s - 2.92) * (s - 2.92) + 7.0) + 3.0) * outerRadius * 0.1111111;
    if (k == 4 && s < 0.3)
        return std::nullopt;
    if (k == 5 && s > 1.45)
        return (0.228866 / ((s - 1.45) * (s - 1.45) + 2.0) + 0.1666666) * outerRadius;
    if (k == 5 && s < 0.6)
        return std::nullopt;
    const double phi = M_PI / 2.0 - k * M_PI / 6.0;
    const double sinPhi = tableSin(phi);
    const double cosPhi = tableCos(phi);
    return ((sinPhi + 1.0 / s) * (sinPhi + 1.0 / s) / (2.0 * cosPhi) + cosPhi / 2.0) * outerRadius;
}

} // namespace

SmithGridGeometry smithGridGeometry(QSizeF size, double scale, bool flip)
{
    SmithGridGeometry grid;
    const int radius = qRound(std::min(size.width(), size.height())) / 2;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double s = effectiveGridScale(scale);
    const double sigma = flip ? -1.0 : 1.0;
    const double unit = radius / s;
    const double openX = centre.x() + sigma * unit;
    const std::optional<Circle> outer = wholePixelCircle(centre, radius);
    if (!outer)
        return grid;

    const auto addClipped = [&](QPointF circleCentre, double circleRadius, bool evenWhenEmpty) {
        const std::optional<Circle> circle = wholePixelCircle(circleCentre, circleRadius);
        if (!circle)
            return;
        const Arc arc = clipCircle(*circle, *outer);
        if (!arc.isEmpty() || evenWhenEmpty)
            grid.innerArcs.append(arc);
    };

    static const double resistanceValues[] = {1.0, 1.0 / 2, 1.0 / 3, 1.0 / 6, 0.0, -1.0 / 6, -1.0 / 3};
    for (double value : resistanceValues) {
        const double r = value * radius + unit / 2.0;
        if (r < radius / 6)
            continue;
        addClipped({centre.x() - 2.0 * value * radius * sigma + sigma * r, centre.y()}, r, false);
        if (s > 1.0)
            addClipped({openX + sigma * r, centre.y()}, r, false);
    }

    for (int k = 0; k < 6; ++k) {
        const std::optional<double> r = reactanceRadius(k, s, radius);
        if (!r)
            continue;
        addClipped({openX, centre.y() - *r}, *r, false);
        addClipped({openX, centre.y() + *r}, *r, false);
    }

    if (s >= 1.0)
        addClipped({centre.x() + 2.0 * sigma * unit, centre.y()}, unit, true);

    grid.outerArcs.append({centre, double(radius), 0.0, fullTurn});
    if (s >= 1.0)
        grid.outerArcs.append({centre, unit, 0.0, fullTurn});

    const QLine inner = clipLine({openX, centre.y() - radius}, {openX, centre.y() + radius}, *outer);
    grid.innerLine.append(inner);
    const std::optional<QPoint> left = wholePixel(centre - QPointF(radius, 0.0));
    const std::optional<QPoint> right = wholePixel(centre + QPointF(radius, 0.0));
    if (left && right)
        grid.outerLine.append(QLine(*left, *right));
    return grid;
}

} // namespace Orlix::Frontend
