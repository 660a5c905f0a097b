#include "charts/grids/PolarGrid.h"

#include "charts/grids/PolarGridGeometry.h"

namespace Orlix::Frontend {

void PolarGrid_::setGridScale(double scale)
{
    if (qFuzzyCompare(m_scale, scale))
        return;
    m_scale = scale;
    invalidate();
    emit scaleChanged(scale);
}

QVector<GridGroup> PolarGrid_::groups() const
{
    const PolarGridGeometry grid = polarGridGeometry(size(), m_scale);
    return {{grid.innerRadialLines, {}, innerGridLinesColor()},
            {{}, grid.innerCircles, innerGridLinesColor()},
            {grid.outerAxes, {}, outerGridLinesColor()},
            {{}, grid.outerCircles, outerGridLinesColor()}};
}

} // namespace Orlix::Frontend
