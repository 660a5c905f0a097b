#pragma once

#include <QColor>
#include <QLine>
#include <QSGGeometryNode>

namespace Orlix::Frontend {

// An anti-aliased straight line of a given width between two whole pixels.
class LineNode : public QSGGeometryNode
{
public:
    LineNode();

    // A line whose two ends coincide has no direction and draws nothing.
    void update(QLine line, float width, const QColor& colour, bool antialiasing);
};

} // namespace Orlix::Frontend
