#include "charts/nodes/ArcNode.h"

#include "charts/nodes/SmoothColorGeometry.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

namespace {

constexpr double fullTurn = 2.0 * M_PI;

double sweepOf(const Arc& arc)
{
    double sweep = std::fmod(arc.endAngle - arc.startAngle, fullTurn);
    if (sweep < 0.0)
        sweep += fullTurn;
    if (std::abs(sweep) <= 1e-12 && qFuzzyCompare(arc.endAngle, fullTurn))
        sweep = fullTurn;
    return sweep;
}

// One segment per 5 pixels of arc length, at least one and at most maxSegments;
// none for an arc that is not finite.
int segmentCount(double sweep, double radius)
{
    const double length = sweep * radius;
    if (!std::isfinite(length) || sweep < 0.0 || radius < 0.0)
        return 0;
    return static_cast<int>(std::clamp(std::ceil(length / 5.0), 1.0, double(ArcNode::maxSegments)));
}

} // namespace

ArcNode::ArcNode()
{
    initSmoothColorNode(*this);
}

void ArcNode::update(const Arc& arc, float width, const QColor& colour, bool antialiasing)
{
    const double sweep = sweepOf(arc);
    const bool finite = std::isfinite(arc.centre.x()) && std::isfinite(arc.centre.y()) && std::isfinite(arc.startAngle);
    const int segments = finite ? segmentCount(sweep, arc.radius) : 0;
    Ribbon ribbon(*geometry(), segments == 0 ? 0 : segments + 1, width, colour, antialiasing);
    for (int i = 0; segments != 0 && i <= segments; ++i) {
        const double angle = arc.startAngle + i * sweep / segments;
        const QPointF normal(std::cos(angle), std::sin(angle));
        ribbon.setStep(i, arc.centre + normal * arc.radius, normal);
    }
    markDirty(DirtyGeometry);
}

} // namespace Orlix::Frontend
