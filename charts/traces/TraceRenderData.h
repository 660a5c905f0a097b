#pragma once

#include "charts/traces/VertexRing.h"

#include <QColor>
#include <QMatrix4x4>
#include <QVector>

#include <array>
#include <vector>

namespace Orlix::Frontend {

// What the renderer reads of a trace, during the scene graph's synchronisation
// only (the GUI thread is blocked then); the renderer clears the rings and
// matrixChanged, or the chart when no renderer draws.
struct TraceRenderData
{
    using Vertex = std::array<float, 2>;
    static constexpr int slotCount = 4096;

    QColor color;
    float lineWidth = 1.5f;
    bool visibleForRender = true;
    std::vector<Vertex> vertices;
    VertexRing pendingUpload;
    VertexRing validSlots;
    bool matrixChanged = true;
    QVector<QMatrix4x4> matrices;
    float minY = 0.0f;
    float maxY = 0.0f;
    bool isPolar = false;
};

} // namespace Orlix::Frontend
