#pragma once

#include <QSGMaterialShader>

namespace Orlix::Frontend {

// The program of SmoothColorMaterial, from the resources ":/core/smoothcolor.vert"
// and ":/core/smoothcolor.frag".
class SmoothColorMaterialShader : public QSGMaterialShader
{
public:
    SmoothColorMaterialShader();

    const char* const* attributeNames() const override;
    void updateState(const RenderState& state, QSGMaterial* newMaterial, QSGMaterial* oldMaterial) override;

protected:
    void initialize() override;

private:
    int m_matrix = -1;
    int m_opacity = -1;
    int m_pixelSize = -1;
};

} // namespace Orlix::Frontend
