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

bool ChartScaleManager::addDataPtr(const QString& key, const QVector<QPointF>* ptrVector)
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

void ChartScaleManager::setMinX(double value)
{
    if (!store(m_minX, value))
        return;
    emit minXChanged();
    emit minMaxXChanged();
}

void ChartScaleManager::setMaxX(double value)
{
    if (!store(m_maxX, value))
        return;
    emit maxXChanged();
    emit minMaxXChanged();
}

void ChartScaleManager::setMinY(double value)
{
    if (!store(m_minY, value))
        return;
    emit minYChanged();
    emit minMaxYChanged();
}

void ChartScaleManager::setMaxY(double value)
{
    if (!store(m_maxY, value))
        return;
    emit maxYChanged();
    emit minMaxYChanged();
}

void ChartScaleManager::setMinMaxX(QPointF minMaxX)
{
    const bool storedMin = store(m_minX, minMaxX.x());
    const bool storedMax = store(m_maxX, minMaxX.y());
    if (!storedMin && !storedMax)
        return;
    emit minXChanged();
    emit maxXChanged();
    emit minMaxXChanged();
}

void ChartScaleManager::setMinMaxY(QPointF minMaxY)
{
    const bool storedMin = store(m_minY, minMaxY.x());
    const bool storedMax = store(m_maxY, minMaxY.y());
    if (!storedMin && !storedMax)
        return;
    emit minYChanged();
    emit maxYChanged();
    emit minMaxYChanged();
}

void ChartScaleManager::setMaximumYLimit(double maximumYLimit)
{
    if (qFuzzyCompare(m_maximumYLimit, maximumYLimit))
        return;
    m_maximumYLimit = maximumYLimit;
    emit maximumYLimitChanged(maximumYLimit);
}
