#include "charts/nodes/shaders/SmoothColorShaderResources.h"

#include <QtGlobal>

void initSmoothColorShaderResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(smoothcolorshaders);
        return true;
    }();
    Q_UNUSED(registered);
}
