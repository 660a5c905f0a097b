#pragma once

#include "charts/grids/GridGroup.h"

#include <QColor>
#include <QQuickItem>
#include <QVector>

namespace Orlix::Frontend {

// A grid item drawn behind a chart's plot area from anti-aliased line and arc nodes.
class AbstractGrid : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QColor innerGridLinesColor READ innerGridLinesColor WRITE setInnerGridLinesColor NOTIFY innerGridLinesColorChanged)
    Q_PROPERTY(QColor outerGridLinesColor READ outerGridLinesColor WRITE setOuterGridLinesColor NOTIFY outerGridLinesColorChanged)
    Q_PROPERTY(double lineWidth READ lineWidth WRITE setLineWidth NOTIFY lineWidthChanged)

public:
    explicit AbstractGrid(QQuickItem* parent = nullptr);

    QColor innerGridLinesColor() const { return m_innerGridLinesColor; }
    QColor outerGridLinesColor() const { return m_outerGridLinesColor; }
    double lineWidth() const { return m_lineWidth; }

    void setInnerGridLinesColor(const QColor& colour);
    void setOuterGridLinesColor(const QColor& colour);
    void setLineWidth(double width);

signals:
    void innerGridLinesColorChanged(QColor innerGridLinesColor);
    void outerGridLinesColorChanged(QColor outerGridLinesColor);
    void lineWidthChanged(double lineWidth);
    void blodLineWidthChanged(double blodLineWidth);

protected:
    // The grid's geometry as groups in drawing order; called on the render
    // thread while the GUI thread is blocked.
    virtual QVector<GridGroup> groups() const = 0;

    // Marks the geometry for rebuilding at the next frame and asks for one.
    void invalidate();

    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*) override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    QColor m_innerGridLinesColor{Qt::darkGray};
    QColor m_outerGridLinesColor{Qt::gray};
    double m_lineWidth = 1.0;
    bool m_dirty = true;
};

} // namespace Orlix::Frontend
