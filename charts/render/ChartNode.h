#pragma once

#include <QSGRootNode>

class QQuickWindow;

namespace Orlix::Frontend {

class AbstractRenderNode;

// A chart's paint node: hosts the trace renderer when the scene graph draws with OpenGL.
class ChartNode : public QSGRootNode
{
public:
    explicit ChartNode(QQuickWindow* window);

    // Null when the scene graph does not render with OpenGL: no trace is drawn then.
    AbstractRenderNode* renderer() const { return m_renderer; }

private:
    QQuickWindow* m_window;
    AbstractRenderNode* m_renderer = nullptr;
};

} // namespace Orlix::Frontend
