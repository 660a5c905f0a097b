#include "charts/scale/ChartScaleManager.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Stores value when the optional is empty or differs fuzzily; true when it stored.
bool store(std::optional<double>& target, double value)
{
    if (target && qFuzzyCompare(*target, value))
        return false;
    target = value;
    return true;
}

// Smallest and largest finite value of one coordinate of a curve.
struct Extent
{
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void take(double value)
    {
        // Comparisons with NaN are false and infinities fail the finite test,
        // so only finite values move the extent.
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    bool isEmpty() const { return low > high; }
};

void lower(std::optional<double>& target, double value)
{
    if (!target || *target > value)
        target = value;
}

void raise(std::optional<double>& target, double value)
{
    if (!target || *target < value)
        target = value;
}

} // namespace

void ChartScaleManager::addData(const QString& key, const QVector<QPointF>& points)
{
    m_series.insert(key, points);
    acceptRanges();
}

bool ChartScaleManager::addDataPtr(const QString& key, QVector<QPointF>* ptrVector)
{
    if (ptrVector == nullptr || ptrVector->isEmpty())
        return false;
    addData(key, *ptrVector);
    return true;
}

void ChartScaleManager::appendData(const QString& key, QPointF point)
{
    m_series[key].append(point);
    acceptRanges();
}

void ChartScaleManager::removeData(const QString& key)
{
    m_series.remove(key);
    acceptRanges();
}

void ChartScaleManager::clear()
{
    m_minX.reset();
    m_maxX.reset();
    m_minY.reset();
    m_maxY.reset();
    m_series.clear();
}

void ChartScaleManager::acceptRanges()
{
    m_minX.reset();
    m_maxX.reset();
    m_minY.reset();
    m_maxY.reset();
    if (m_series.isEmpty())
        return;

    const bool capped = !qFuzzyCompare(m_maximumYLimit, -1.0);
    for (const QVector<QPointF>& points : qAsConst(m_series)) {
        Extent x;
        Extent y;
        for (const QPointF& point : points) {
            x.take(point.x());
            y.take(point.y());
        }
        if (!x.isEmpty()) {
            lower(m_minX, x.low);
            raise(m_maxX, x.high);
        }
        if (!y.isEmpty()) {
            lower(m_minY, y.low);
            if (!m_maxY || y.high > *m_maxY)
                m_maxY = capped && y.high > m_maximumYLimit ? m_maximumYLimit : y.high;
        }
    }

    emit minXChanged();
    emit maxXChanged();
    emit minMaxXChanged();
    emit minYChanged();
    emit maxYChanged();
    emit minMaxYChanged();
}

void ChartScaleManager::setEnd(std::optional<double>& end, double value, Signal endChanged, Signal pairChanged)
{
    if (!store(end, value))
        return;
    emit(this->*endChanged)();
    emit(this->*pairChanged)();
}

void ChartScaleManager::setPair(std::optional<double>& min, std::optional<double>& max, QPointF value, Signal minChanged,
                                Signal maxChanged, Signal pairChanged)
{
    const bool storedMin = store(min, value.x());
    const bool storedMax = store(max, value.y());
    if (!storedMin && !storedMax)
        return;
    emit(this->*minChanged)();
    emit(this->*maxChanged)();
    emit(this->*pairChanged)();
}

void ChartScaleManager::setMinX(double value)
{
    setEnd(m_minX, value, &ChartScaleManager::minXChanged, &ChartScaleManager::minMaxXChanged);
}

void ChartScaleManager::setMaxX(double value)
{
    setEnd(m_maxX, value, &ChartScaleManager::maxXChanged, &ChartScaleManager::minMaxXChanged);
}

void ChartScaleManager::setMinY(double value)
{
    setEnd(m_minY, value, &ChartScaleManager::minYChanged, &ChartScaleManager::minMaxYChanged);
}

void ChartScaleManager::setMaxY(double value)
{
    setEnd(m_maxY, value, &ChartScaleManager::maxYChanged, &ChartScaleManager::minMaxYChanged);
}

void ChartScaleManager::setMinMaxX(QPointF minMaxX)
{
    setPair(m_minX, m_maxX, minMaxX, &ChartScaleManager::minXChanged, &ChartScaleManager::maxXChanged,
            &ChartScaleManager::minMaxXChanged);
}

void ChartScaleManager::setMinMaxY(QPointF minMaxY)
{
    setPair(m_minY, m_maxY, minMaxY, &ChartScaleManager::minYChanged, &ChartScaleManager::maxYChanged,
            &ChartScaleManager::minMaxYChanged);
}

void ChartScaleManager::setMaximumYLimit(double maximumYLimit)
{
    if (qFuzzyCompare(m_maximumYLimit, maximumYLimit))
        return;
    m_maximumYLimit = maximumYLimit;
    emit maximumYLimitChanged(maximumYLimit);
}
