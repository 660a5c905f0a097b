#pragma once

#include <QPointF>

namespace Orlix::Frontend {

// Part of a circle in item pixels, from startAngle to endAngle (radians,
// counter-clockwise in the item's y-down frame). An end angle of 0 marks an
// empty arc.
struct Arc
{
    QPointF centre;
    double radius = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;

    bool isEmpty() const { return endAngle == 0.0; }
};

} // namespace Orlix::Frontend
