#pragma once

#include "charts/nodes/Arc.h"

#include <QLine>
#include <QPointF>

namespace Orlix::Frontend {

struct Circle
{
    QPointF centre;
    double radius = 0.0;
};

// The part of `circle` that lies inside `clip`, as an arc of `circle`; an empty
// arc when none does or when `circle` encloses `clip`, the full circle when
// `clip` encloses it. Circles that touch count as enclosing or apart.
Arc clipCircle(const Circle& circle, const Circle& clip);

// Where the line through p1 and p2 crosses the circle: the point at the larger
// line parameter first, truncated to whole pixels; an empty line when it misses.
QLine clipLine(QPointF p1, QPointF p2, const Circle& clip);

} // namespace Orlix::Frontend
