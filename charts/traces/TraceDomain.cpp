#include "charts/traces/TraceDomain.h"

#include "charts/traces/FuzzyCompare.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {
namespace {

constexpr double smallestZoomStep = 1e-14;

} // namespace

TraceDomain::TraceDomain(QObject* parent) : QObject(parent)
{
}

void TraceDomain::setXRange(const QPointF& range)
{
    if (fuzzyEqual(range.x(), m_xMin) && fuzzyEqual(range.y(), m_xMax))
        return;
    m_xMin = range.x();
    m_xMax = range.y();
    emit xRangeChanged();
}

void TraceDomain::setYRange(const QPointF& range)
{
    if (fuzzyEqual(range.x(), m_yMin) && fuzzyEqual(range.y(), m_yMax))
        return;
    m_yMin = range.x();
    m_yMax = range.y();
    emit yRangeChanged();
}

void TraceDomain::setIsLogX(bool isLogX)
{
    if (isLogX == m_isLogX)
        return;
    m_isLogX = isLogX;
    emit isLogXChanged(isLogX);
}

void TraceDomain::setSize(const QSizeF& size)
{
    if (fuzzyEqual(size.width(), m_size.width()) && fuzzyEqual(size.height(), m_size.height()))
        return;
    m_size = size;
    emit sizeChanged(size);
}

bool TraceDomain::canZoomTo(const QRectF& rect) const
{
    if (m_format != XYFormat || !(m_size.width() > 0.0) || !(m_size.height() > 0.0))
        return false;
    const double dx = xSpan() / m_size.width();
    const double dy = ySpan() / m_size.height();
    const bool finite = std::isfinite(dx) && std::isfinite(dy) && std::isfinite(rect.left())
                        && std::isfinite(rect.right()) && std::isfinite(rect.top()) && std::isfinite(rect.bottom());
    return finite && std::fabs(dx) >= smallestZoomStep && std::fabs(dy) >= smallestZoomStep;
}

bool TraceDomain::zoomTo(const QRectF& rect)
{
    if (m_format != XYFormat)
        return false;
    if (!m_isZoomed) {
        m_savedXRange = xRange();
        m_savedYRange = yRange();
    }
    if (!canZoomTo(rect))
        return false;
    const double dx = xSpan() / m_size.width();
    const double dy = ySpan() / m_size.height();
    const double xMin = m_xMin;
    const double yMax = m_yMax;
    setXRange({xMin + rect.left() * dx, xMin + rect.right() * dx});
    setYRange({yMax - rect.bottom() * dy, yMax - rect.top() * dy});
    if (!m_isZoomed) {
        m_isZoomed = true;
        emit zoomedChanged(true);
    }
    return true;
}

void TraceDomain::resetZoom()
{
    if (m_format != XYFormat || !m_isZoomed)
        return;
    m_isZoomed = false;
    emit zoomedChanged(false);
    setXRange(m_savedXRange);
    setYRange(m_savedYRange);
}

void TraceDomain::shiftYRange(double val)
{
    m_yMin += val;
    m_yMax += val;
    emit yRangeChanged();
}

double TraceDomain::squareSide() const
{
    return std::min(m_size.width(), m_size.height());
}

QPointF TraceDomain::domainPoint(const QPointF& geometry) const
{
    if (m_format == XYFormat)
        return {geometryToDomainX(geometry.x()), geometryToDomainY(geometry.y())};
    const double r = std::min(m_size.width() / 2.0, m_size.height() / 2.0) * m_scale;
    return {(geometry.x() - m_size.width() / 2.0) / r, (geometry.y() - m_size.height() / 2.0) / r};
}

QPointF TraceDomain::geometryPoint(const QPointF& domain) const
{
    if (m_format == XYFormat)
        return {domainToGeometryX(domain.x()), domainToGeometryY(domain.y())};
    const double r = std::min(m_size.width() / 2.0, m_size.height() / 2.0) * m_scale;
    return {m_size.width() / 2.0 + domain.x() * r, m_size.height() / 2.0 + domain.y() * r};
}

double TraceDomain::domainToGeometryX(double x) const
{
    if (m_format == XYFormat)
        return m_size.width() / xSpan() * (x - m_xMin);
    const double s = squareSide();
    return (m_size.width() - s) / 2.0 + (x - m_xMin) * s / xSpan();
}

double TraceDomain::domainToGeometryY(double y) const
{
    if (m_format == XYFormat)
        return m_size.height() / ySpan() * (y - m_yMin);
    const double s = squareSide();
    return (m_size.height() - s) / 2.0 + (y - m_yMin) * s / ySpan();
}

double TraceDomain::domainToGeometryArg(double arg) const
{
    return m_size.width() / (m_argMax - m_argMin) * (arg - m_argMin);
}

double TraceDomain::geometryToDomainX(double g) const
{
    if (m_format == XYFormat)
        return g / (m_size.width() / xSpan()) + m_xMin;
    const double s = squareSide();
    return (g - (m_size.width() - s) / 2.0) / (s / xSpan()) + m_xMin;
}

double TraceDomain::geometryToDomainY(double g) const
{
    if (m_format == XYFormat)
        return g / (m_size.height() / ySpan()) + m_yMin;
    const double s = squareSide();
    return (g - (m_size.height() - s) / 2.0) / (s / ySpan()) + m_yMin;
}

double TraceDomain::geometryToDomainArg(double g) const
{
    return g / (m_size.width() / (m_argMax - m_argMin)) + m_argMin;
}

} // namespace Orlix::Frontend
