#pragma once

#include "charts/nodes/Arc.h"

#include <QColor>
#include <QLine>
#include <QVector>

class QSGNode;

namespace Orlix::Frontend {

// One run of grid geometry drawn in one colour: either lines or arcs.
struct GridGroup
{
    QVector<QLine> lines;
    QVector<Arc> arcs;
    QColor colour;
};

// Brings the group node to one line node per line and one arc node per arc
// (nodes dropped from the front or appended at the end) and updates each.
void syncGroupNode(QSGNode* group, const GridGroup& content, float width, bool antialiasing);

} // namespace Orlix::Frontend
