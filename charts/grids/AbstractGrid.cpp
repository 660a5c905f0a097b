#include "charts/grids/AbstractGrid.h"

#include <QSGNode>

namespace Orlix::Frontend {

AbstractGrid::AbstractGrid(QQuickItem* parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    setAntialiasing(true);
    connect(this, &QQuickItem::antialiasingChanged, this, &AbstractGrid::invalidate);
}

void AbstractGrid::setInnerGridLinesColor(const QColor& colour)
{
    if (m_innerGridLinesColor == colour)
        return;
    m_innerGridLinesColor = colour;
    invalidate();
    emit innerGridLinesColorChanged(colour);
}

void AbstractGrid::setOuterGridLinesColor(const QColor& colour)
{
    if (m_outerGridLinesColor == colour)
        return;
    m_outerGridLinesColor = colour;
    invalidate();
    emit outerGridLinesColorChanged(colour);
}

void AbstractGrid::setLineWidth(double width)
{
    if (qFuzzyCompare(m_lineWidth, width))
        return;
    m_lineWidth = width;
    invalidate();
    emit lineWidthChanged(width);
}

void AbstractGrid::invalidate()
{
    m_dirty = true;
    update();
}

void AbstractGrid::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    invalidate();
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
}

QSGNode* AbstractGrid::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*)
{
    if (boundingRect().isEmpty()) {
        delete oldNode;
        return nullptr;
    }
    QSGNode* root = oldNode;
    if (root == nullptr) {
        root = new QSGNode;
        m_dirty = true;
    }
    if (!m_dirty)
        return root;
    m_dirty = false;
    const QVector<GridGroup> content = groups();
    while (root->childCount() < content.size())
        root->appendChildNode(new QSGNode);
    QSGNode* group = root->firstChild();
    for (const GridGroup& groupContent : content) {
        syncGroupNode(group, groupContent, float(m_lineWidth), antialiasing());
        group = group->nextSibling();
    }
    return root;
}

} // namespace Orlix::Frontend
