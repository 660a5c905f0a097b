#include "charts/traces/Trace.h"

#include "charts/traces/ColumnResampler.h"
#include "charts/traces/FuzzyCompare.h"
#include "charts/traces/SaturatingFloat.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using Orlix::Frontend::ColumnResampler;
using Orlix::Frontend::TraceRenderData;

namespace {

using Vertex = TraceRenderData::Vertex;

static_assert(sizeof(QPointF) == 2 * sizeof(double), "points are read as pairs of doubles");
static_assert(sizeof(Vertex) == 2 * sizeof(float), "slots are written as pairs of floats");

double interpolated(const Vertex& low, const Vertex& high, double x)
{
    return low[1] + (x - low[0]) / (double(high[0]) - low[0]) * (double(high[1]) - low[1]);
}

// Walks from slot `from` in one direction to the pair of slots whose x bracket
// x. Slots whose x do not rise monotonically may hold no such pair: the walk
// then ends at the last slot it reached.
double walkToBracket(const std::vector<Vertex>& vertices, size_t from, double x, bool downward)
{
    const size_t last = vertices.size() - 1;
    size_t i = from;
    while (downward ? i > 0 : i < last) {
        const Vertex& a = vertices[downward ? i - 1 : i];
        const Vertex& b = vertices[downward ? i : i + 1];
        if (x == a[0])
            return a[1];
        if (x == b[0])
            return b[1];
        if ((a[0] < x && x < b[0]) || (b[0] < x && x < a[0]))
            return interpolated(a, b, x);
        downward ? --i : ++i;
    }
    return vertices[i][1];
}

// Compared bitwise: a matrix of an undefined (NaN) window is unequal to itself
// and would count as a change at every refresh.
bool sameMatrix(const QMatrix4x4& a, const QMatrix4x4& b)
{
    return std::memcmp(a.constData(), b.constData(), 16 * sizeof(float)) == 0;
}

} // namespace

Trace::Trace(QObject* parent)
    : AbstractTrace(parent), m_pointsXRange(std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::quiet_NaN())
{
}

void Trace::setColor(const QColor& color)
{
    if (color == m_data.color)
        return;
    m_data.color = color;
    m_data.matrixChanged = true;
    emit colorChanged(color);
}

void Trace::setLineWidth(float lineWidth)
{
    if (Orlix::Frontend::fuzzyEqualFloat(lineWidth, m_data.lineWidth))
        return;
    m_data.lineWidth = lineWidth;
    m_data.matrixChanged = true;
    emit lineWidthChaned(lineWidth);
}

void Trace::replace(const QVector<QPointF>& data)
{
    if (data.isEmpty())
        return;
    constexpr int slotCount = TraceRenderData::slotCount;
    m_data.vertices.resize(slotCount);
    m_data.pendingUpload.reset(slotCount);
    m_data.validSlots.reset(slotCount);
    const double* points = reinterpret_cast<const double*>(data.constData());
    float* vertices = m_data.vertices.front().data();
    ColumnResampler::resamplePoints(points, size_t(data.size()), vertices, slotCount);
    m_data.pendingUpload.append(0, slotCount);
    m_data.validSlots.append(0, slotCount);
    const auto [lowest, highest] = std::minmax_element(
        data.begin(), data.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    m_pointsXRange = QPointF(lowest->x(), highest->x());
}

void Trace::clear()
{
    m_data.vertices.clear();
    m_data.pendingUpload.reset(TraceRenderData::slotCount);
    m_data.validSlots.reset(TraceRenderData::slotCount);
    // The chart draws a pass without it.
    m_data.matrixChanged = true;
    m_pointsXRange = QPointF(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN());
}

bool Trace::replaceOnPtrData(QVector<QPointF>* data)
{
    if (!data || data->isEmpty())
        return false;
    replace(*data);
    return true;
}

void Trace::updateRenderData()
{
    const Orlix::Frontend::TraceDomain& frame = *domain();
    bool changed = m_data.visibleForRender != isVisible();
    m_data.visibleForRender = isVisible();

    QMatrix4x4 viewport;
    viewport.viewport(frame.xMin(), frame.yMin(), frame.xSpan(), frame.ySpan(), 0.0f, 1.0f);
    const QMatrix4x4 toDeviceCoordinates = viewport.inverted();
    if (m_data.matrices.size() != 1 || !sameMatrix(m_data.matrices.front(), toDeviceCoordinates)) {
        m_data.matrices = {toDeviceCoordinates};
        changed = true;
    }

    const double pixel = frame.ySpan() / frame.size().height();
    const float minY = Orlix::Frontend::saturatingFloat(frame.yMin() + pixel);
    const float maxY = Orlix::Frontend::saturatingFloat(frame.yMax() - pixel);
    // Compared bitwise: NaN limits of an empty item must not count as a change every time.
    if (std::memcmp(&minY, &m_data.minY, sizeof minY) != 0 || std::memcmp(&maxY, &m_data.maxY, sizeof maxY) != 0) {
        m_data.minY = minY;
        m_data.maxY = maxY;
        changed = true;
    }
    // Only a change needs a new trace pass; an idle chart draws nothing.
    if (changed)
        m_data.matrixChanged = true;
}

double Trace::domainY(double domainX) const
{
    const std::vector<Vertex>& vertices = m_data.vertices;
    if (vertices.empty())
        return 0.0;
    if (std::isnan(domainX))
        return std::numeric_limits<double>::quiet_NaN();
    const auto [lowest, highest] = std::minmax_element(vertices.begin(), vertices.end(),
                                                       [](const Vertex& a, const Vertex& b) { return a[0] < b[0]; });
    const double minX = (*lowest)[0];
    const double maxX = (*highest)[0];
    const double last = double(vertices.size() - 1);
    // Equal or non-finite x limits give no usable guess: start at the first slot.
    double guess = std::floor(double(vertices.size()) * (domainX - minX) / (maxX - minX));
    guess = std::isfinite(guess) ? std::clamp(guess, 0.0, last) : 0.0;
    const size_t g = size_t(guess);

    if (domainX == vertices[g][0])
        return vertices[g][1];
    if (domainX > vertices.back()[0])
        return vertices.back()[1];
    if (domainX < vertices.front()[0])
        return vertices.front()[1];
    return walkToBracket(vertices, g, domainX, vertices[g][0] > domainX);
}
