#pragma once

#include "charts/render/AbstractRenderNode.h"
#include "charts/render/PointerResponder.h"

#include <QObject>
#include <QOpenGLBuffer>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <QSGImageNode>
#include <QSGTexture>

#include <memory>
#include <unordered_map>

class QQuickWindow;

namespace Orlix::Frontend {

struct TraceRenderData;

// Draws a chart's traces with OpenGL into an off-screen frame buffer shown as
// a texture, and finds the trace under the pointer by drawing every visible
// trace once more in an index colour and reading back one pixel. Lives on the
// render thread.
class OpenGLRenderNode : public QObject, public AbstractRenderNode, private QOpenGLFunctions
{
    Q_OBJECT

public:
    explicit OpenGLRenderNode(QQuickWindow* window);
    ~OpenGLRenderNode() override;

    void setFboSize(const QSize& size) override;
    QSize fboSize() const override { return m_fboSize; }
    void setRect(const QRectF& rect) override;
    void setTraces(bool listChanged, const QList<AbstractTrace*>& traces) override;
    void setAntialiasing(bool antialiasing) override;
    void pushMouseEvents(MouseEventQueue events) override;
    QVector<MouseResponse> takeResponses() override;
    void render() override;

private:
    // Runs at the window's beforeRendering, after the picking pass of the frame.
    void pick();

    void prepareDrawing();
    void createFramebuffers();
    void createProgram();
    void drawTraces(bool picking);
    // The trace's vertex buffer, created on first use.
    QOpenGLBuffer& bufferOf(AbstractTrace* trace);
    void upload(TraceRenderData& data, QOpenGLBuffer& buffer);
    void hideImage();

    QSize m_fboSize{1, 1};
    std::unique_ptr<QSGTexture> m_displayTexture;
    QSGImageNode* m_imageNode = nullptr;
    QQuickWindow* m_window;
    QList<AbstractTrace*> m_traces;
    bool m_framebuffersStale = true;
    std::unique_ptr<QOpenGLFramebufferObject> m_drawFbo;
    std::unique_ptr<QOpenGLFramebufferObject> m_resolveFbo;
    std::unique_ptr<QOpenGLFramebufferObject> m_pickFbo;
    std::unique_ptr<QOpenGLShaderProgram> m_program;
    int m_colorLocation = -1;
    int m_matrixLocation = -1;
    int m_minYLocation = -1;
    int m_maxYLocation = -1;
    int m_isPolarLocation = -1;
    QRectF m_rect;
    QOpenGLVertexArrayObject m_vao;
    std::unordered_map<AbstractTrace*, std::unique_ptr<QOpenGLBuffer>> m_buffers;
    bool m_needsRender = true;
    bool m_antialiasing = false;
    bool m_needsPicking = true;
    QVector<AbstractTrace*> m_pickTable;
    MouseEventQueue m_eventQueue;
    QVector<MouseResponse> m_responses;
    PointerResponder m_pointer;
};

} // namespace Orlix::Frontend
