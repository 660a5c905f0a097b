#pragma once

#include "charts/render/MouseResponse.h"

#include <QList>
#include <QMouseEvent>
#include <QRectF>
#include <QSGRootNode>
#include <QSize>
#include <QVector>

#include <memory>
#include <vector>

namespace Orlix::Frontend {

class AbstractTrace;

using MouseEventQueue = std::vector<std::unique_ptr<QMouseEvent>>;

// What a chart asks of the node that draws its traces and answers its pointer events.
class AbstractRenderNode : public QSGRootNode
{
public:
    virtual void setFboSize(const QSize& size) = 0;
    virtual QSize fboSize() const = 0;
    virtual void setRect(const QRectF& rect) = 0;
    virtual void setTraces(bool listChanged, const QList<AbstractTrace*>& traces) = 0;
    virtual void setAntialiasing(bool antialiasing) = 0;
    virtual void pushMouseEvents(MouseEventQueue events) = 0;
    virtual QVector<MouseResponse> takeResponses() = 0;
    virtual void render() = 0;
};

} // namespace Orlix::Frontend
