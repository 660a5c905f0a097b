#pragma once

#include "charts/render/AbstractRenderNode.h"
#include "charts/render/MouseResponse.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QPointF>
#include <QQuickItem>
#include <QTimer>
#include <QVector>

namespace Orlix::Frontend {

class AbstractTrace;

// The plot area of a chart: holds the traces, keeps their domains sized to
// itself, draws them through its paint node, zooms them all with a rubber
// band and turns pointer events into per-trace signals.
class Chart : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QQuickItem* rubberBand READ rubberBand WRITE setRubberBand NOTIFY rubberBandChanged)
    Q_PROPERTY(bool isZoomed READ isZoomed NOTIFY isZoomedChanged)

public:
    explicit Chart(QQuickItem* parent = nullptr);
    ~Chart() override;

    QQuickItem* rubberBand() const { return m_rubberBand; }
    bool isZoomed() const { return m_isZoomed; }
    void setRubberBand(QQuickItem* rubberBand);

    Q_INVOKABLE void addTrace(Orlix::Frontend::AbstractTrace* trace);
    Q_INVOKABLE void removeTrace(Orlix::Frontend::AbstractTrace* trace);
    Q_INVOKABLE void zoomIn(const QRectF& rect);
    Q_INVOKABLE void zoomReset();

signals:
    void rubberBandChanged(QQuickItem* rubberBand);
    void isZoomedChanged(bool isZoomed);
    void mouseEventResponsesReceived();
    void finishedZoomInOperation();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;

private slots:
    // Re-evaluates every trace's transform and schedules a repaint.
    void refresh();
    void sortTraces();
    void forgetTrace(QObject* trace);
    void deliverResponses();

private:
    void queueEvent(QEvent::Type type, const QPointF& position, Qt::MouseButton button, Qt::MouseButtons buttons,
                    Qt::KeyboardModifiers modifiers);
    // Zooms every domain to rect, or none when one of them refuses.
    bool zoomAllTo(const QRectF& rect);
    void finishZoomIn();
    // Takes the changes that no renderer will draw: the item has no size, or
    // the scene graph does not render with OpenGL.
    void takeUndrawnChanges();

    QPointF m_lastPosition;
    int m_lastButton = Qt::NoButton;
    int m_lastButtons = Qt::NoButton;
    MouseEventQueue m_eventQueue;
    QVector<MouseResponse> m_responses;
    QTimer m_refreshTimer;
    bool m_tracesDirty = true;
    QList<AbstractTrace*> m_traces;
    // Reads as null once the user interface destroys the band.
    QPointer<QQuickItem> m_rubberBand;
    QPoint m_pressPoint;
    bool m_isZoomed = false;
    // Set by the last paint-node update: without a renderer, pointer events would never be taken.
    bool m_hasRenderer = false;
    // Set by the last paint-node update when it handed pointer events to the renderer.
    bool m_answersPending = false;
};

} // namespace Orlix::Frontend
