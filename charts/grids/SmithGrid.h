#pragma once

#include "charts/grids/CircularGrid.h"

namespace Orlix::Frontend {

// A Smith chart grid: constant-resistance circles and constant-reactance arcs
// clipped to the rim, zoomed by scale and optionally mirrored.
class SmithGrid : public CircularGrid
{
    Q_OBJECT
    Q_PROPERTY(bool flip READ flip WRITE setFlip NOTIFY flipChanged)

public:
    using CircularGrid::CircularGrid;

    bool flip() const { return m_flip; }
    void setFlip(bool flip);

signals:
    void flipChanged(bool flip);

protected:
    QVector<GridGroup> groups() const override;

private:
    bool m_flip = false;
};

} // namespace Orlix::Frontend
