#pragma once

#include "charts/grids/AbstractGrid.h"
#include "charts/grids/XYGridLines.h"

#include <QPointF>
#include <QSize>
#include <QVariantList>

namespace Orlix::Frontend {

// A rectangular grid: vertical lines along the x axis in one of four layouts,
// horizontal lines dividing the height evenly; it publishes the x values of its
// vertical lines as the x axis labels.
class XYGrid : public AbstractGrid
{
    Q_OBJECT
    Q_PROPERTY(GridLayoutMode xLayout READ xLayout WRITE setXLayout NOTIFY xLayoutChanged)
    Q_PROPERTY(QPointF xRange READ xRange WRITE setXRange NOTIFY xRangeChanged)
    Q_PROPERTY(int yCount READ yCount WRITE setYCount NOTIFY yCountChanged)
    Q_PROPERTY(QVariantList xLabels READ xLabels NOTIFY xLabelsChanged)

public:
    enum GridLayoutMode { EquidistantGrid = 0, CenteredLinGrid = 1, NiceLabelsLinGrid = 2, LogGrid = 3 };
    Q_ENUM(GridLayoutMode)

    explicit XYGrid(QQuickItem* parent = nullptr);

    GridLayoutMode xLayout() const { return m_xLayout; }
    QPointF xRange() const { return m_xRange; }
    int yCount() const { return m_yCount; }
    QVariantList xLabels() const { return m_xLabels; }

    void setXLayout(GridLayoutMode layout);
    void setXRange(QPointF range);
    void setYCount(int count);

    // The lines of a grid of the given pixel size; in LogGrid the range is in
    // decade exponents and so are the labels.
    static XYGridLines computeLines(GridLayoutMode layout, QPointF xRange, int yCount, QSize size);

signals:
    void xLayoutChanged(GridLayoutMode xLayout);
    void xRangeChanged(QPointF xRange);
    void yCountChanged(int yCount);
    void xLabelsChanged();

protected:
    QVector<GridGroup> groups() const override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    void recomputeLines();
    void recomputeLabels();

    static constexpr int xCount = 10;
    QPointF m_xRange;
    GridLayoutMode m_xLayout = EquidistantGrid;
    int m_yCount = 10;
    XYGridLines m_lines;
    QVariantList m_xLabels;
};

} // namespace Orlix::Frontend
