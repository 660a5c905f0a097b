#include "charts/render/ChartNode.h"

#include "charts/render/OpenGLRenderNode.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

namespace Orlix::Frontend {

ChartNode::ChartNode(QQuickWindow* window) : m_window(window)
{
    if (window->rendererInterface()->graphicsApi() != QSGRendererInterface::OpenGL)
        return;
    auto* renderer = new OpenGLRenderNode(window);
    renderer->setFlag(QSGNode::OwnedByParent);
    appendChildNode(renderer);
    renderer->setRect(QRectF());
    m_renderer = renderer;
}

} // namespace Orlix::Frontend
