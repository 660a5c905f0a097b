#include "charts/nodes/LineNode.h"

#include "charts/nodes/SmoothColorGeometry.h"

#include <cmath>

namespace Orlix::Frontend {

LineNode::LineNode()
{
    initSmoothColorNode(*this);
}

void LineNode::update(QLine line, float width, const QColor& colour, bool antialiasing)
{
    QPointF p1 = line.p1();
    QPointF p2 = line.p2();
    const double length = std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
    const int steps = length > 0.0 ? 2 : 0;
    Ribbon ribbon(*geometry(), steps, width, colour, antialiasing);
    if (steps != 0) {
        if (antialiasing) {
            // Whole-pixel ends sit on pixel corners; the centres keep a one-pixel line sharp.
            p1 += QPointF(0.5, 0.5);
            p2 += QPointF(0.5, 0.5);
        }
        const QPointF normal((p1.y() - p2.y()) / length, (p2.x() - p1.x()) / length);
        ribbon.setStep(0, p1, normal);
        ribbon.setStep(1, p2, normal);
    }
    markDirty(DirtyGeometry);
}

} // namespace Orlix::Frontend
