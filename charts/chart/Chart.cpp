#include "charts/chart/Chart.h"

#include "charts/render/ChartNode.h"
#include "charts/traces/AbstractTrace.h"
#include "charts/traces/FuzzyCompare.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {
namespace {

constexpr int refreshIntervalMs = 33;
constexpr double smallestZoomPixels = 20.0;

bool positionDiffers(double a, double b)
{
    if (a == 0.0 || b == 0.0)
        return std::fabs(a - b) > 1e-12;
    return !fuzzyEqual(a, b);
}

} // namespace

Chart::Chart(QQuickItem* parent) : QQuickItem(parent), m_refreshTimer(this)
{
    setFlag(ItemHasContents);
    setAntialiasing(true);
    setAcceptedMouseButtons(Qt::AllButtons);
    setAcceptHoverEvents(true);
    connect(this, &Chart::mouseEventResponsesReceived, this, &Chart::deliverResponses, Qt::QueuedConnection);
    connect(&m_refreshTimer, &QTimer::timeout, this, &Chart::refresh);
    m_refreshTimer.start(refreshIntervalMs);
}

Chart::~Chart() = default;

void Chart::setRubberBand(QQuickItem* rubberBand)
{
    if (rubberBand == m_rubberBand)
        return;
    if (!rubberBand)
        zoomReset();
    m_rubberBand = rubberBand;
    emit rubberBandChanged(rubberBand);
}

void Chart::addTrace(AbstractTrace* trace)
{
    if (!trace)
        return;
    trace->domain()->setSize(size());
    m_traces.append(trace);
    connect(trace, &AbstractTrace::zChanged, this, &Chart::sortTraces, Qt::UniqueConnection);
    // A trace that the user interface destroys without removing it must not stay listed.
    connect(trace, &QObject::destroyed, this, &Chart::forgetTrace, Qt::UniqueConnection);
    sortTraces();
}

void Chart::removeTrace(AbstractTrace* trace)
{
    const int index = m_traces.indexOf(trace);
    if (index < 0)
        return;
    m_traces.removeAt(index);
    if (!m_traces.contains(trace))
        disconnect(trace, nullptr, this, nullptr);
    m_tracesDirty = true;
    update();
}

void Chart::forgetTrace(QObject* trace)
{
    m_traces.erase(std::remove_if(m_traces.begin(), m_traces.end(),
                                  [trace](AbstractTrace* listed) { return static_cast<QObject*>(listed) == trace; }),
                   m_traces.end());
    m_tracesDirty = true;
    update();
}

void Chart::sortTraces()
{
    std::stable_sort(m_traces.begin(), m_traces.end(),
                     [](const AbstractTrace* a, const AbstractTrace* b) { return a->z() < b->z(); });
    // The renderer draws in list order: a new order is a new list to it.
    m_tracesDirty = true;
    update();
}

void Chart::refresh()
{
    // A few matrix products per trace: run here rather than on the global
    // pool, whose threads remote-control lines may hold while they wait for
    // this very thread.
    bool changed = m_tracesDirty || m_answersPending;
    for (AbstractTrace* trace : qAsConst(m_traces)) {
        trace->updateRenderData();
        const TraceRenderData& data = *trace->renderData();
        changed = changed || data.matrixChanged || !data.pendingUpload.isEmpty();
    }
    // A frame with nothing new would still hold this thread in a
    // synchronisation, and the threaded render loop then idles for a whole
    // frame interval, delaying the next frame that does carry new points.
    if (changed)
        update();
}

bool Chart::zoomAllTo(const QRectF& rect)
{
    const bool accepted = std::all_of(m_traces.begin(), m_traces.end(),
                                      [&rect](AbstractTrace* trace) { return trace->domain()->canZoomTo(rect); });
    if (!accepted)
        return false;
    for (AbstractTrace* trace : qAsConst(m_traces))
        trace->domain()->zoomTo(rect);
    return true;
}

void Chart::finishZoomIn()
{
    refresh();
    emit finishedZoomInOperation();
    if (!m_isZoomed) {
        m_isZoomed = true;
        emit isZoomedChanged(true);
    }
}

void Chart::zoomIn(const QRectF& rect)
{
    if (zoomAllTo(rect))
        finishZoomIn();
}

void Chart::zoomReset()
{
    if (!m_isZoomed)
        return;
    for (AbstractTrace* trace : qAsConst(m_traces))
        trace->domain()->resetZoom();
    refresh();
    m_isZoomed = false;
    emit isZoomedChanged(false);
}

void Chart::queueEvent(QEvent::Type type, const QPointF& position, Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers)
{
    if (m_traces.isEmpty() || !m_hasRenderer)
        return;
    auto event = std::make_unique<QMouseEvent>(type, position, button, buttons, modifiers);
    // Only the latest pointer position matters for hovering.
    if (type == QEvent::MouseMove && !m_eventQueue.empty() && m_eventQueue.back()->type() == QEvent::MouseMove)
        m_eventQueue.back() = std::move(event);
    else
        m_eventQueue.push_back(std::move(event));
    update();
}

void Chart::mousePressEvent(QMouseEvent* event)
{
    if (m_rubberBand && m_rubberBand->isEnabled() && event->button() == Qt::LeftButton) {
        m_pressPoint = event->pos();
        m_rubberBand->setPosition(m_pressPoint);
        m_rubberBand->setSize(QSizeF(0.0, 0.0));
        m_rubberBand->setVisible(true);
    }
    m_lastPosition = event->localPos();
    m_lastButton = event->button();
    m_lastButtons = event->buttons();
    queueEvent(event->type(), event->localPos(), event->button(), event->buttons(), event->modifiers());
    forceActiveFocus();
}

void Chart::mouseMoveEvent(QMouseEvent* event)
{
    if (m_rubberBand && m_rubberBand->isVisible()) {
        auto clamped = [](double value, double limit) {
            const double inside = std::clamp(value, 0.0, limit);
            return inside < 1.0 ? 0.0 : inside;
        };
        const QPointF corner(clamped(event->localPos().x(), width()), clamped(event->localPos().y(), height()));
        const QRectF band = QRectF(QPointF(m_pressPoint), corner).normalized();
        m_rubberBand->setPosition(band.topLeft());
        m_rubberBand->setSize(band.size());
    }
    QQuickItem::mouseMoveEvent(event);
}

void Chart::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_rubberBand && m_rubberBand->isVisible() && event->button() == Qt::LeftButton) {
        const QRectF band = QRectF(m_rubberBand->position(), m_rubberBand->size())
                                .intersected(QRectF(0.0, 0.0, width(), height()));
        m_rubberBand->setVisible(false);
        if (!band.isEmpty() && band.width() > smallestZoomPixels && band.height() > smallestZoomPixels
            && zoomAllTo(band))
            finishZoomIn();
    }
    if (event->button() == Qt::RightButton)
        zoomReset();
    m_lastButtons = event->buttons();
    m_lastButton = Qt::NoButton;
    queueEvent(event->type(), event->localPos(), event->button(), event->buttons(), event->modifiers());
}

void Chart::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_lastPosition = event->localPos();
    m_lastButton = event->button();
    m_lastButtons = event->buttons();
    queueEvent(event->type(), event->localPos(), event->button(), event->buttons(), event->modifiers());
}

void Chart::hoverMoveEvent(QHoverEvent* event)
{
    const QPointF previous = m_lastPosition;
    m_lastPosition = event->posF();
    if (!positionDiffers(previous.x(), m_lastPosition.x()) && !positionDiffers(previous.y(), m_lastPosition.y()))
        return;
    queueEvent(QEvent::MouseMove, m_lastPosition, Qt::MouseButton(m_lastButton), Qt::MouseButtons(m_lastButtons),
               event->modifiers());
}

void Chart::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    for (AbstractTrace* trace : qAsConst(m_traces))
        trace->domain()->setSize(newGeometry.size());
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
}

QSGNode* Chart::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*)
{
    const QRectF rect = boundingRect();
    const QSize size = rect.size().toSize();
    // Under half a pixel rounds to no frame buffer at all.
    if (rect.isEmpty() || size.isEmpty()) {
        delete oldNode;
        m_hasRenderer = false;
        takeUndrawnChanges();
        return nullptr;
    }
    auto* node = static_cast<ChartNode*>(oldNode);
    if (!node)
        node = new ChartNode(window());
    AbstractRenderNode* renderer = node->renderer();
    m_hasRenderer = renderer != nullptr;
    if (!renderer) {
        takeUndrawnChanges();
        return node;
    }
    if (renderer->fboSize() != size)
        renderer->setFboSize(size);
    renderer->setRect(rect);
    renderer->setTraces(m_tracesDirty, m_traces);
    renderer->setAntialiasing(antialiasing());
    // The renderer answers pointer events after this synchronisation; the
    // next frame collects the answers.
    m_answersPending = !m_eventQueue.empty();
    if (m_answersPending)
        renderer->pushMouseEvents(std::exchange(m_eventQueue, {}));
    renderer->render();
    m_tracesDirty = false;
    // Appended, not replaced: responses of an earlier frame may still wait for delivery.
    m_responses += renderer->takeResponses();
    if (!m_responses.isEmpty())
        emit mouseEventResponsesReceived();
    return node;
}

void Chart::takeUndrawnChanges()
{
    // Left pending, they would ask for another frame at every refresh. A
    // renderer made later starts with empty buffers and uploads and draws
    // every trace anyway.
    m_eventQueue.clear();
    m_answersPending = false;
    m_tracesDirty = false;
    for (AbstractTrace* trace : qAsConst(m_traces)) {
        TraceRenderData& data = *trace->renderData();
        data.matrixChanged = false;
        data.pendingUpload.reset(data.pendingUpload.capacity());
    }
}

void Chart::deliverResponses()
{
    const QVector<MouseResponse> responses = std::exchange(m_responses, {});
    for (const MouseResponse& response : responses) {
        // A trace may have left or died since the frame that answered.
        if (!response.trace || !m_traces.contains(response.trace))
            continue;
        AbstractTrace* trace = response.trace;
        // Item rows count downward, domain geometry upward from the bottom edge.
        const QPointF geometry(response.position.x(), height() - response.position.y());
        const QPointF point = trace->domain()->domainPoint(geometry);
        switch (response.kind) {
        case MouseResponse::Pressed:
            emit trace->pressed(point);
            break;
        case MouseResponse::Released:
            emit trace->released(point);
            break;
        case MouseResponse::Clicked:
            emit trace->clicked(point);
            break;
        case MouseResponse::DoubleClicked:
            emit trace->doubleClicked(point);
            break;
        case MouseResponse::HoverEntered:
            emit trace->hovered(point, true);
            break;
        case MouseResponse::HoverLeft:
            emit trace->hovered(point, false);
            break;
        default:
            break;
        }
    }
}

} // namespace Orlix::Frontend
