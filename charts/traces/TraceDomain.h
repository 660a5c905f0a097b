#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace Orlix::Frontend {

// The coordinate frame of one trace: maps its data units to the chart item's
// pixels (x from the left, y upward from the bottom edge) and back, and keeps
// the zoom state.
class TraceDomain : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QPointF xRange READ xRange WRITE setXRange NOTIFY xRangeChanged)
    Q_PROPERTY(QPointF yRange READ yRange WRITE setYRange NOTIFY yRangeChanged)
    Q_PROPERTY(QPointF argRange READ argRange NOTIFY argRangeChanged)
    Q_PROPERTY(TraceFormat format READ format NOTIFY formatChanged)
    Q_PROPERTY(bool isLeftSmith READ isLeftSmith NOTIFY leftSmithChanged)
    Q_PROPERTY(bool isZoomed READ isZoomed NOTIFY zoomedChanged)
    Q_PROPERTY(bool isLogX READ isLogX WRITE setIsLogX NOTIFY isLogXChanged)

public:
    enum TraceFormat { XYFormat = 0, SmithFormat = 1, PolarFormat = 2 };
    Q_ENUM(TraceFormat)

    explicit TraceDomain(QObject* parent = nullptr);

    QPointF xRange() const { return {m_xMin, m_xMax}; }
    QPointF yRange() const { return {m_yMin, m_yMax}; }
    QPointF argRange() const { return {m_argMin, m_argMax}; }
    TraceFormat format() const { return m_format; }
    bool isLeftSmith() const { return m_isLeftSmith; }
    bool isZoomed() const { return m_isZoomed; }
    bool isLogX() const { return m_isLogX; }
    QSizeF size() const { return m_size; }
    double scale() const { return m_scale; }

    double xMin() const { return m_xMin; }
    double xMax() const { return m_xMax; }
    double yMin() const { return m_yMin; }
    double yMax() const { return m_yMax; }
    double xSpan() const { return m_xMax - m_xMin; }
    double ySpan() const { return m_yMax - m_yMin; }

    void setXRange(const QPointF& range);
    void setYRange(const QPointF& range);
    void setIsLogX(bool isLogX);
    void setSize(const QSizeF& size);

    // Whether zoomTo would accept rect, so that a chart zooms all its domains or none.
    bool canZoomTo(const QRectF& rect) const;
    // Narrows the window to rect, in item pixels with y downward.
    bool zoomTo(const QRectF& rect);
    // Back to the window before the first zoom step.
    void resetZoom();

    Q_INVOKABLE void shiftYRange(double val);
    Q_INVOKABLE QPointF domainPoint(const QPointF& geometry) const;
    Q_INVOKABLE QPointF geometryPoint(const QPointF& domain) const;
    Q_INVOKABLE double domainToGeometryX(double x) const;
    Q_INVOKABLE double domainToGeometryY(double y) const;
    Q_INVOKABLE double domainToGeometryArg(double arg) const;
    Q_INVOKABLE double geometryToDomainX(double g) const;
    Q_INVOKABLE double geometryToDomainY(double g) const;
    Q_INVOKABLE double geometryToDomainArg(double g) const;

signals:
    void xRangeChanged();
    void yRangeChanged();
    void argRangeChanged();
    void formatChanged(Orlix::Frontend::TraceDomain::TraceFormat format);
    void leftSmithChanged(bool isLeftSmith);
    void zoomedChanged(bool isZoomed);
    void isLogXChanged(bool isLogX);
    void updated();
    void sizeChanged(QSizeF size);

private:
    // Side of the square plot of the round formats, in pixels.
    double squareSide() const;

    bool m_isLogX = false;
    bool m_isLeftSmith = false;
    double m_argMin = 0.0;
    double m_argMax = 0.0;
    double m_xMin = 0.0;
    double m_xMax = 0.0;
    double m_yMin = 0.0;
    double m_yMax = 0.0;
    bool m_isZoomed = false;
    QPointF m_savedXRange;
    QPointF m_savedYRange;
    double m_scale = 1.0;
    QSizeF m_size;
    TraceFormat m_format = XYFormat;
};

} // namespace Orlix::Frontend
