#include "charts/render/OpenGLRenderNode.h"

#include "charts/traces/AbstractTrace.h"

#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

#include <algorithm>

// Resources of a static library reach the program only when registered explicitly.
static void initTraceShaders()
{
    Q_INIT_RESOURCE(traceshaders);
}

namespace Orlix::Frontend {
namespace {

Q_LOGGING_CATEGORY(chartRender, "orlix.charts.render", QtInfoMsg)

constexpr int vertexBytes = int(sizeof(TraceRenderData::Vertex));
constexpr float pickingExtraWidth = 5.0f;

bool isCoreProfile()
{
    return QOpenGLContext::currentContext()->format().profile() == QSurfaceFormat::CoreProfile;
}

// Mesa's software rasterizers drop line segments shorter than about half a
// pixel when multisampling, and curves interpolated into many slots are made of
// such segments: they would be drawn dashed or not at all.
bool isSoftwareRasterizer(QOpenGLContext* context)
{
    const auto* renderer = reinterpret_cast<const char*>(context->functions()->glGetString(GL_RENDERER));
    const QByteArray name = QByteArray(renderer).toLower();
    return name.contains("llvmpipe") || name.contains("softpipe");
}

} // namespace

OpenGLRenderNode::OpenGLRenderNode(QQuickWindow* window) : m_window(window)
{
    initTraceShaders();
    initializeOpenGLFunctions();
    connect(window, &QQuickWindow::beforeRendering, this, &OpenGLRenderNode::pick, Qt::DirectConnection);
}

OpenGLRenderNode::~OpenGLRenderNode()
{
    if (m_imageNode) {
        removeChildNode(m_imageNode);
        delete m_imageNode;
    }
}

void OpenGLRenderNode::setFboSize(const QSize& size)
{
    m_fboSize = size;
    m_framebuffersStale = true;
    m_needsRender = true;
    m_needsPicking = true;
}

void OpenGLRenderNode::setRect(const QRectF& rect)
{
    m_rect = rect;
    if (m_imageNode)
        m_imageNode->setRect(rect);
}

void OpenGLRenderNode::setTraces(bool listChanged, const QList<AbstractTrace*>& traces)
{
    m_traces = traces;
    bool changed = listChanged;
    if (listChanged) {
        // Traces that left may be destroyed already: their pointers are only compared.
        for (auto it = m_buffers.begin(); it != m_buffers.end();)
            it = traces.contains(it->first) ? std::next(it) : m_buffers.erase(it);
        m_pointer.forgetAllBut(traces);
        m_pickTable.clear();
    } else {
        changed = std::any_of(traces.begin(), traces.end(), [](AbstractTrace* trace) {
            const TraceRenderData& data = *trace->renderData();
            return !data.pendingUpload.isEmpty() || data.matrixChanged;
        });
    }
    if (!changed)
        return;
    // One pass draws every trace, so every change is consumed by it.
    for (AbstractTrace* trace : traces)
        trace->renderData()->matrixChanged = false;
    markDirty(QSGNode::DirtyMaterial);
    m_needsRender = true;
    m_needsPicking = true;
}

void OpenGLRenderNode::setAntialiasing(bool antialiasing)
{
    if (antialiasing == m_antialiasing)
        return;
    m_antialiasing = antialiasing;
    m_framebuffersStale = true;
    m_needsRender = true;
}

void OpenGLRenderNode::pushMouseEvents(MouseEventQueue events)
{
    std::move(events.begin(), events.end(), std::back_inserter(m_eventQueue));
    markDirty(QSGNode::DirtyMaterial);
}

QVector<MouseResponse> OpenGLRenderNode::takeResponses()
{
    return std::exchange(m_responses, {});
}

void OpenGLRenderNode::render()
{
    if (!m_traces.isEmpty()) {
        // The picking pass does not depend on a colour pass: an unchanged chart
        // still answers the pointer.
        if (m_needsRender || (!m_eventQueue.empty() && m_needsPicking))
            prepareDrawing();
        if (m_needsRender) {
            m_drawFbo->bind();
            drawTraces(false);
            if (m_resolveFbo) {
                const QRect whole(QPoint(0, 0), m_fboSize);
                QOpenGLFramebufferObject::blitFramebuffer(m_resolveFbo.get(), whole, m_drawFbo.get(), whole,
                                                          GL_COLOR_BUFFER_BIT, GL_LINEAR);
            }
            // Submitted now, the traces are rasterized while the scene graph
            // prepares the rest of the frame, rather than once it samples them.
            glFlush();
            markDirty(QSGNode::DirtyMaterial);
            qCDebug(chartRender) << "trace pass" << m_traces.size();
        }
        // Asked after the frame buffers were made: a new picking buffer holds no index colours.
        if (!m_eventQueue.empty() && m_needsPicking) {
            m_pickFbo->bind();
            m_pickTable.fill(nullptr, m_traces.size());
            drawTraces(true);
            m_needsPicking = false;
        }
    } else if (m_imageNode && !m_imageNode->rect().isEmpty()) {
        hideImage();
    }
    m_needsRender = false;
    QOpenGLFramebufferObject::bindDefault();
    m_window->resetOpenGLState();
}

void OpenGLRenderNode::prepareDrawing()
{
    if (!m_program) {
        createFramebuffers();
        createProgram();
    } else if (m_framebuffersStale) {
        createFramebuffers();
    }
}

void OpenGLRenderNode::createFramebuffers()
{
    int samples = 0;
    if (m_antialiasing) {
        QOpenGLContext* context = QOpenGLContext::currentContext();
        const bool multisampleCapable = !context->isOpenGLES() || context->format().majorVersion() >= 3;
        samples = multisampleCapable && !isSoftwareRasterizer(context) ? 8 : 0;
    }
    m_drawFbo.reset();
    m_resolveFbo.reset();
    m_pickFbo.reset();

    QOpenGLFramebufferObjectFormat drawFormat;
    drawFormat.setAttachment(QOpenGLFramebufferObject::NoAttachment);
    drawFormat.setSamples(samples);
    m_drawFbo = std::make_unique<QOpenGLFramebufferObject>(m_fboSize, drawFormat);
    QOpenGLFramebufferObjectFormat textureFormat;
    textureFormat.setTextureTarget(GL_TEXTURE_2D);
    if (samples != 0)
        m_resolveFbo = std::make_unique<QOpenGLFramebufferObject>(m_fboSize, textureFormat);
    m_pickFbo = std::make_unique<QOpenGLFramebufferObject>(m_fboSize, textureFormat);

    uint texture = m_resolveFbo ? m_resolveFbo->texture() : m_drawFbo->texture();
    m_displayTexture.reset(m_window->createTextureFromNativeObject(QQuickWindow::NativeObjectTexture, &texture, 0,
                                                                   m_fboSize, QQuickWindow::TextureHasAlphaChannel));
    if (!m_imageNode) {
        m_imageNode = m_window->createImageNode();
        m_imageNode->setFiltering(QSGTexture::Linear);
        m_imageNode->setTextureCoordinatesTransform(QSGImageNode::MirrorVertically);
        m_imageNode->setFlag(QSGNode::OwnedByParent);
        if (!m_rect.isEmpty())
            m_imageNode->setRect(m_rect);
        appendChildNode(m_imageNode);
    }
    m_imageNode->setTexture(m_displayTexture.get());
    m_framebuffersStale = false;
    m_needsPicking = true;
}

void OpenGLRenderNode::createProgram()
{
    const QString variant = isCoreProfile() ? QStringLiteral("trace_core") : QStringLiteral("trace");
    m_program = std::make_unique<QOpenGLShaderProgram>();
    m_program->addShaderFromSourceFile(QOpenGLShader::Vertex, ":/charts/render/shaders/" + variant + ".vert");
    m_program->addShaderFromSourceFile(QOpenGLShader::Fragment, ":/charts/render/shaders/" + variant + ".frag");
    m_program->bindAttributeLocation("points", 0);
    m_program->link();
    m_program->bind();
    m_colorLocation = m_program->uniformLocation("color");
    m_matrixLocation = m_program->uniformLocation("matrix");
    m_minYLocation = m_program->uniformLocation("minY");
    m_maxYLocation = m_program->uniformLocation("maxY");
    m_isPolarLocation = m_program->uniformLocation("isPolar");
    m_vao.create();
    m_vao.bind();
    if (!QOpenGLContext::currentContext()->isOpenGLES())
        glEnable(GL_PROGRAM_POINT_SIZE);
}

void OpenGLRenderNode::drawTraces(bool picking)
{
    // The scene graph leaves its own scissor, blending and depth state behind;
    // index colours in particular must reach the pixels unchanged.
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_DITHER);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    m_vao.bind();
    m_program->bind();
    glClear(GL_COLOR_BUFFER_BIT);
    m_program->enableAttributeArray(0);
    int index = 0;
    for (AbstractTrace* trace : qAsConst(m_traces)) {
        TraceRenderData& data = *trace->renderData();
        if (!data.visibleForRender) {
            // Its new points are taken all the same: left waiting, they would
            // ask for a trace pass at every frame while the trace is hidden.
            if (!picking && !data.pendingUpload.isEmpty()) {
                QOpenGLBuffer& buffer = bufferOf(trace);
                buffer.bind();
                upload(data, buffer);
                buffer.release();
            }
            continue;
        }
        if (data.isPolar) {
            const int side = std::min(m_fboSize.width(), m_fboSize.height());
            glViewport((m_fboSize.width() - side) / 2, (m_fboSize.height() - side) / 2, side, side);
        } else {
            glViewport(0, 0, m_fboSize.width(), m_fboSize.height());
        }
        if (picking) {
            m_program->setUniformValue(m_colorLocation, float(index % 256) / 255.0f,
                                       float((index / 256) % 256) / 255.0f, float((index / 65536) % 256) / 255.0f);
            m_pickTable[index] = trace;
            ++index;
        } else {
            const QColor color = data.color.isValid() ? data.color : QColor(Qt::black);
            m_program->setUniformValue(m_colorLocation, float(color.redF()), float(color.greenF()),
                                       float(color.blueF()));
        }
        m_program->setUniformValue(m_minYLocation, data.minY);
        m_program->setUniformValue(m_maxYLocation, data.maxY);
        m_program->setUniformValue(m_isPolarLocation, GLint(data.isPolar));
        if (data.vertices.empty())
            continue;

        QOpenGLBuffer& buffer = bufferOf(trace);
        buffer.bind();
        upload(data, buffer);
        m_program->setAttributeBuffer(0, GL_FLOAT, 0, 2, 0);
        const float width = data.lineWidth + (picking ? pickingExtraWidth : 0.0f);
        for (const QMatrix4x4& matrix : qAsConst(data.matrices)) {
            m_program->setUniformValue(m_matrixLocation, matrix);
            VertexRing drawn = data.validSlots;
            while (!drawn.isEmpty()) {
                const VertexRing::Run run = drawn.takeRun(true);
                glLineWidth(width);
                glDrawArrays(GL_LINE_STRIP, run.start, run.length);
            }
        }
        buffer.release();
    }
    m_vao.release();
}

QOpenGLBuffer& OpenGLRenderNode::bufferOf(AbstractTrace* trace)
{
    std::unique_ptr<QOpenGLBuffer>& buffer = m_buffers[trace];
    if (!buffer) {
        buffer = std::make_unique<QOpenGLBuffer>(QOpenGLBuffer::VertexBuffer);
        buffer->setUsagePattern(QOpenGLBuffer::DynamicDraw);
        buffer->create();
    }
    return *buffer;
}

void OpenGLRenderNode::upload(TraceRenderData& data, QOpenGLBuffer& buffer)
{
    const int bytes = int(data.vertices.size()) * vertexBytes;
    if (buffer.size() != bytes) {
        data.pendingUpload = data.validSlots;
        buffer.allocate(bytes);
    }
    while (!data.pendingUpload.isEmpty()) {
        const VertexRing::Run run = data.pendingUpload.takeRun(false);
        buffer.write(run.start * vertexBytes, data.vertices.data() + run.start, run.length * vertexBytes);
    }
}

void OpenGLRenderNode::hideImage()
{
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    for (QOpenGLFramebufferObject* fbo : {m_drawFbo.get(), m_resolveFbo.get()}) {
        if (fbo) {
            fbo->bind();
            glClear(GL_COLOR_BUFFER_BIT);
        }
    }
    m_imageNode->setRect(QRectF());
}

void OpenGLRenderNode::pick()
{
    if (m_eventQueue.empty())
        return;
    const bool readable = !m_traces.isEmpty() && m_pickFbo;
    if (readable)
        m_pickFbo->bind();
    for (const std::unique_ptr<QMouseEvent>& event : m_eventQueue) {
        AbstractTrace* hit = nullptr;
        if (readable) {
            // Frame buffer rows count from the bottom: item row y is row height - 1 - y.
            const int x = std::clamp(event->pos().x(), 0, m_fboSize.width() - 1);
            const int y = std::clamp(m_fboSize.height() - 1 - event->pos().y(), 0, m_fboSize.height() - 1);
            uchar pixel[4] = {0, 0, 0, 0};
            glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
            const int index = pixel[0] + 256 * pixel[1] + 65536 * pixel[2];
            if (pixel[3] == 255 && index < m_pickTable.size())
                hit = m_pickTable[index];
        }
        m_pointer.respond(*event, hit, m_responses);
    }
    if (readable)
        QOpenGLFramebufferObject::bindDefault();
    m_eventQueue.clear();
}

} // namespace Orlix::Frontend
