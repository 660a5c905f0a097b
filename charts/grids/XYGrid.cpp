#include "charts/grids/XYGrid.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

namespace {

// Near zero the relative rule would call any two tiny values different.
bool rangeEndDiffers(double a, double b)
{
    if (a == 0.0 || b == 0.0)
        return std::abs(a - b) > 1e-12;
    return !qFuzzyCompare(a, b);
}

} // namespace

XYGrid::XYGrid(QQuickItem* parent)
    : AbstractGrid(parent)
{
    recomputeLines();
}

void XYGrid::setXLayout(GridLayoutMode layout)
{
    if (m_xLayout == layout)
        return;
    m_xLayout = layout;
    invalidate();
    recomputeLines();
    emit xLayoutChanged(layout);
    recomputeLabels();
}

void XYGrid::setXRange(QPointF range)
{
    if (!rangeEndDiffers(m_xRange.x(), range.x()) && !rangeEndDiffers(m_xRange.y(), range.y()))
        return;
    m_xRange = range;
    invalidate();
    recomputeLines();
    emit xRangeChanged(range);
    recomputeLabels();
}

void XYGrid::setYCount(int count)
{
    if (m_yCount == count)
        return;
    m_yCount = count;
    invalidate();
    recomputeLines();
    emit yCountChanged(count);
}

void XYGrid::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    AbstractGrid::geometryChanged(newGeometry, oldGeometry);
    recomputeLines();
}

void XYGrid::recomputeLines()
{
    m_lines = computeLines(m_xLayout, m_xRange, m_yCount, QSize(qRound(width()), qRound(height())));
}

void XYGrid::recomputeLabels()
{
    QVector<double> values = m_lines.labels;
    // Not-a-number labels (of a range that is not finite) go last: a plain
    // comparison would not order them, and sorting needs an order.
    std::sort(values.begin(), values.end(), [](double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); });
    m_xLabels.clear();
    for (double value : values)
        m_xLabels.append(value);
    emit xLabelsChanged();
}

QVector<GridGroup> XYGrid::groups() const
{
    return {{m_lines.inner, {}, innerGridLinesColor()}, {m_lines.outer, {}, outerGridLinesColor()}};
}

} // namespace Orlix::Frontend
