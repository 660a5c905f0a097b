#include "charts/nodes/SmoothColorMaterialShader.h"

#include "charts/nodes/shaders/SmoothColorShaderResources.h"

#include <QOpenGLShaderProgram>

namespace Orlix::Frontend {

SmoothColorMaterialShader::SmoothColorMaterialShader()
{
    initSmoothColorShaderResources();
    setShaderSourceFile(QOpenGLShader::Vertex, QStringLiteral(":/core/smoothcolor.vert"));
    setShaderSourceFile(QOpenGLShader::Fragment, QStringLiteral(":/core/smoothcolor.frag"));
}

const char* const* SmoothColorMaterialShader::attributeNames() const
{
    static const char* const names[] = {"vertex", "vertexColor", "vertexOffset", nullptr};
    return names;
}

void SmoothColorMaterialShader::initialize()
{
    m_matrix = program()->uniformLocation("matrix");
    m_opacity = program()->uniformLocation("opacity");
    m_pixelSize = program()->uniformLocation("pixelSize");
}

void SmoothColorMaterialShader::updateState(const RenderState& state, QSGMaterial*, QSGMaterial* oldMaterial)
{
    if (state.isOpacityDirty())
        program()->setUniformValue(m_opacity, state.opacity());
    if (state.isMatrixDirty())
        program()->setUniformValue(m_matrix, state.combinedMatrix());
    if (oldMaterial == nullptr) {
        const QRect viewport = state.viewportRect();
        program()->setUniformValue(m_pixelSize, QVector2D(2.0f / viewport.width(), 2.0f / viewport.height()));
    }
}

} // namespace Orlix::Frontend
