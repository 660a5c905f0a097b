#pragma once

#include "charts/grids/AbstractGrid.h"

namespace Orlix::Frontend {

// A Smith chart grid: constant-resistance circles and constant-reactance arcs
// clipped to the rim, zoomed by scale and optionally mirrored.
class SmithGrid : public AbstractGrid
{
    Q_OBJECT
    Q_PROPERTY(double scale READ gridScale WRITE setGridScale NOTIFY scaleChanged)
    Q_PROPERTY(bool flip READ flip WRITE setFlip NOTIFY flipChanged)

public:
    using AbstractGrid::AbstractGrid;

    double gridScale() const { return m_scale; }
    bool flip() const { return m_flip; }
    void setGridScale(double scale);
    void setFlip(bool flip);

signals:
    void scaleChanged(double scale);
    void flipChanged(bool flip);

protected:
    QVector<GridGroup> groups() const override;

private:
    double m_scale = 1.0;
    bool m_flip = false;
};

} // namespace Orlix::Frontend
