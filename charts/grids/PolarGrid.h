#pragma once

#include "charts/grids/AbstractGrid.h"

namespace Orlix::Frontend {

// A polar grid: rim and unit circles, the two axes, rings of radial lines and
// circles at quarters of the radius.
class PolarGrid_ : public AbstractGrid
{
    Q_OBJECT
    Q_PROPERTY(double scale READ gridScale WRITE setGridScale NOTIFY scaleChanged)

public:
    using AbstractGrid::AbstractGrid;

    double gridScale() const { return m_scale; }
    void setGridScale(double scale);

signals:
    void scaleChanged(double scale);

protected:
    QVector<GridGroup> groups() const override;

private:
    double m_scale = 1.0;
};

} // namespace Orlix::Frontend
