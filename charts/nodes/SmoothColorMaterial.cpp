#include "charts/nodes/SmoothColorMaterial.h"

#include "charts/nodes/SmoothColorMaterialShader.h"

namespace Orlix::Frontend {

SmoothColorMaterial::SmoothColorMaterial()
{
    // The fringe offsets are directions: the renderer may fold a translation
    // into the vertices, but the shader must see every other part of the matrix.
    setFlag(Blending | RequiresFullMatrixExceptTranslate);
}

SmoothColorMaterial::~SmoothColorMaterial() = default;

QSGMaterialType* SmoothColorMaterial::type() const
{
    static QSGMaterialType type;
    return &type;
}

QSGMaterialShader* SmoothColorMaterial::createShader() const
{
    return new SmoothColorMaterialShader;
}

} // namespace Orlix::Frontend
