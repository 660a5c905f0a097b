#pragma once

#include "charts/grids/CircularGrid.h"

namespace Orlix::Frontend {

// A polar grid: rim and unit circles, the two axes, rings of radial lines and
// circles at quarters of the radius.
class PolarGrid_ : public CircularGrid
{
    Q_OBJECT

public:
    using CircularGrid::CircularGrid;

protected:
    QVector<GridGroup> groups() const override;
};

} // namespace Orlix::Frontend
