#pragma once

#include <QSGMaterial>

namespace Orlix::Frontend {

// Vertex-coloured geometry whose edges fade over one pixel: the fringe vertices
// carry an offset that the shader scales to one pixel of the current transform.
class SmoothColorMaterial : public QSGMaterial
{
public:
    SmoothColorMaterial();
    ~SmoothColorMaterial() override;

    QSGMaterialType* type() const override;
    QSGMaterialShader* createShader() const override;
};

} // namespace Orlix::Frontend
