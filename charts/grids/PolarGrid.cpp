#include "charts/grids/PolarGrid.h"

#include "charts/grids/PolarGridGeometry.h"

namespace Orlix::Frontend {

QVector<GridGroup> PolarGrid_::groups() const
{
    const PolarGridGeometry grid = polarGridGeometry(size(), gridScale());
    return {{grid.innerRadialLines, {}, innerGridLinesColor()},
            {{}, grid.innerCircles, innerGridLinesColor()},
            {grid.outerAxes, {}, outerGridLinesColor()},
            {{}, grid.outerCircles, outerGridLinesColor()}};
}

} // namespace Orlix::Frontend
