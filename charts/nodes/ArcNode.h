#pragma once

#include "charts/nodes/Arc.h"

#include <QColor>
#include <QSGGeometryNode>

namespace Orlix::Frontend {

// An anti-aliased circular arc of a given width, one segment per 5 pixels of arc length.
class ArcNode : public QSGGeometryNode
{
public:
    // More segments than any arc on a screen needs; bounds the geometry of absurd radii.
    static constexpr int maxSegments = 4096;

    ArcNode();

    // An arc with a non-finite or negative radius or angle draws nothing.
    void update(const Arc& arc, float width, const QColor& colour, bool antialiasing);
};

} // namespace Orlix::Frontend
