#include "charts/grids/CircleClipping.h"

#include "charts/grids/PixelRounding.h"

#include <cmath>

namespace Orlix::Frontend {

namespace {

constexpr double fullTurn = 2.0 * M_PI;

} // namespace

Arc clipCircle(const Circle& circle, const Circle& clip)
{
    const double r1 = circle.radius;
    const double r2 = clip.radius;
    const QPointF towardsClip = clip.centre - circle.centre;
    const double d = std::hypot(towardsClip.x(), towardsClip.y());
    if (!std::isfinite(d) || !std::isfinite(r1) || !std::isfinite(r2))
        return {};
    if ((d == 0.0 && r1 == r2) || d >= r1 + r2 || r1 >= r2 + d)
        return {};
    if (r2 >= r1 + d)
        return {circle.centre, r1, 0.0, fullTurn};

    // The common chord lies at distance a from the circle's centre towards the clip.
    const double a = (r1 * r1 - r2 * r2 + d * d) / (2.0 * d);
    const double halfChordSquared = r1 * r1 - a * a;
    // Near tangency rounding can leave no chord although the tests above found
    // an overlap: the circle then lies wholly on one side of the chord's line.
    if (!(halfChordSquared > 0.0))
        return a < 0.0 ? Arc{circle.centre, r1, 0.0, fullTurn} : Arc{};
    const double h = std::sqrt(halfChordSquared);
    const QPointF m = towardsClip * (a / d);
    const QPointF p = QPointF(-towardsClip.y(), towardsClip.x()) * (h / d);
    const QPointF start = m - p;
    const QPointF end = m + p;
    return {circle.centre, r1, std::atan2(start.y(), start.x()), std::atan2(end.y(), end.x())};
}

QLine clipLine(QPointF p1, QPointF p2, const Circle& clip)
{
    const QPointF direction = p2 - p1;
    const QPointF fromCentre = p1 - clip.centre;
    const double a = QPointF::dotProduct(direction, direction);
    const double b = 2.0 * QPointF::dotProduct(direction, fromCentre);
    const double c = QPointF::dotProduct(fromCentre, fromCentre) - clip.radius * clip.radius;
    const double discriminant = b * b - 4.0 * a * c;
    if (!(a > 0.0) || !(discriminant >= 0.0) || !std::isfinite(discriminant))
        return {};
    const double root = std::sqrt(discriminant);
    const QPointF first = p1 + direction * ((-b + root) / (2.0 * a));
    const QPointF second = p1 + direction * ((-b - root) / (2.0 * a));
    const auto fitsPixels = [](QPointF point) {
        return std::abs(point.x()) < pixelLimit && std::abs(point.y()) < pixelLimit;
    };
    if (!fitsPixels(first) || !fitsPixels(second))
        return {};
    const auto whole = [](QPointF point) {
        return QPoint(static_cast<int>(point.x()), static_cast<int>(point.y()));
    };
    return {whole(first), whole(second)};
}

} // namespace Orlix::Frontend
