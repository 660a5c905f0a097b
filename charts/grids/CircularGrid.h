#pragma once

#include "charts/grids/AbstractGrid.h"

namespace Orlix::Frontend {

// A round grid zoomed by a radius factor: the unit circle lies at the rim's
// radius divided by scale.
class CircularGrid : public AbstractGrid
{
    Q_OBJECT
    Q_PROPERTY(double scale READ gridScale WRITE setGridScale NOTIFY scaleChanged)

public:
    using AbstractGrid::AbstractGrid;

    double gridScale() const { return m_scale; }
    void setGridScale(double scale);

signals:
    void scaleChanged(double scale);

private:
    double m_scale = 1.0;
};

} // namespace Orlix::Frontend
