#include "charts/grids/SmithGrid.h"

#include "charts/grids/SmithGridGeometry.h"

namespace Orlix::Frontend {

void SmithGrid::setFlip(bool flip)
{
    if (m_flip == flip)
        return;
    m_flip = flip;
    invalidate();
    emit flipChanged(flip);
}

QVector<GridGroup> SmithGrid::groups() const
{
    const SmithGridGeometry grid = smithGridGeometry(size(), gridScale(), m_flip);
    return {{{}, grid.innerArcs, innerGridLinesColor()},
            {grid.innerLine, {}, innerGridLinesColor()},
            {{}, grid.outerArcs, outerGridLinesColor()},
            {grid.outerLine, {}, outerGridLinesColor()}};
}

} // namespace Orlix::Frontend
