#include "charts/grids/CircularGrid.h"

namespace Orlix::Frontend {

void CircularGrid::setGridScale(double scale)
{
    if (qFuzzyCompare(m_scale, scale))
        return;
    m_scale = scale;
    invalidate();
    emit scaleChanged(scale);
}

} // namespace Orlix::Frontend
