#pragma once

#include "charts/nodes/Arc.h"

#include <QLine>
#include <QSizeF>
#include <QVector>

namespace Orlix::Frontend {

// The lines and circles of a polar grid in item pixels, by drawing group.
struct PolarGridGeometry
{
    QVector<QLine> innerRadialLines;
    QVector<Arc> innerCircles;
    QVector<QLine> outerAxes;
    QVector<Arc> outerCircles;
};

// scale is the radius factor: the unit circle has the radius R / scale, where
// R is half the smaller side.
PolarGridGeometry polarGridGeometry(QSizeF size, double scale);

// The radius factor a grid works with: at least 0.001, and 1 when not finite.
double effectiveGridScale(double scale);

} // namespace Orlix::Frontend
