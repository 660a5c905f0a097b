#pragma once

#include "charts/nodes/Arc.h"

#include <QLine>
#include <QSizeF>
#include <QVector>

namespace Orlix::Frontend {

// The arcs and lines of a Smith chart grid in item pixels, by drawing group.
struct SmithGridGeometry
{
    QVector<Arc> innerArcs;
    QVector<QLine> innerLine;
    QVector<Arc> outerArcs;
    QVector<QLine> outerLine;
};

// Constant-resistance circles and constant-reactance arcs inside the outer
// circle of radius R (half the smaller side); scale zooms the reflection
// plane so that |reflection| = 1 lies at R / scale, flip mirrors it left to right.
SmithGridGeometry smithGridGeometry(QSizeF size, double scale, bool flip);

} // namespace Orlix::Frontend
