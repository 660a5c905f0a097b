#pragma once

#include <QMap>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QVector>

#include <optional>

// The common axis ranges of one chart tab: the smallest and largest x and y
// over every curve handed in under a name, the largest y optionally capped.
class ChartScaleManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double minX READ getMinX WRITE setMinX NOTIFY minXChanged)
    Q_PROPERTY(double maxX READ getMaxX WRITE setMaxX NOTIFY maxXChanged)
    Q_PROPERTY(double minY READ getMinY WRITE setMinY NOTIFY minYChanged)
    Q_PROPERTY(double maxY READ getMaxY WRITE setMaxY NOTIFY maxYChanged)
    Q_PROPERTY(QPointF minMaxX READ getMinMaxX WRITE setMinMaxX NOTIFY minMaxXChanged)
    Q_PROPERTY(QPointF minMaxY READ getMinMaxY WRITE setMinMaxY NOTIFY minMaxYChanged)
    Q_PROPERTY(double maximumYLimit READ getMaximumYLimit WRITE setMaximumYLimit NOTIFY maximumYLimitChanged)

public:
    using QObject::QObject;

public slots:
    void addData(const QString& key, const QVector<QPointF>& points);
    // False, and nothing changed, for a null pointer or an empty list. The points
    // are not declared constant: the interface can hand over only the curves'
    // own pointer type.
    bool addDataPtr(const QString& key, QVector<QPointF>* ptrVector);
    void appendData(const QString& key, QPointF point);
    void removeData(const QString& key);
    void clear();
    // Recomputes the ranges from the stored curves; values that are not
    // finite (the decibels of an exact zero, say) take no part.
    void acceptRanges();

    double getMinX() const { return m_minX.value_or(0.0); }
    double getMaxX() const { return m_maxX.value_or(0.0); }
    double getMinY() const { return m_minY.value_or(0.0); }
    double getMaxY() const { return m_maxY.value_or(0.0); }
    QPointF getMinMaxX() const { return {m_minX.value_or(0.0), m_maxX.value_or(1.0)}; }
    QPointF getMinMaxY() const { return {m_minY.value_or(0.0), m_maxY.value_or(1.0)}; }
    double getMaximumYLimit() const { return m_maximumYLimit; }

    void setMinX(double value);
    void setMaxX(double value);
    void setMinY(double value);
    void setMaxY(double value);
    void setMinMaxX(QPointF minMaxX);
    void setMinMaxY(QPointF minMaxY);
    void setMaximumYLimit(double maximumYLimit);

signals:
    void minXChanged();
    void maxXChanged();
    void minYChanged();
    void maxYChanged();
    void minMaxXChanged();
    void minMaxYChanged();
    void maximumYLimitChanged(double maximumYLimit);

private:
    using Signal = void (ChartScaleManager::*)();
    // Store a value that is new or differs fuzzily, and announce it.
    void setEnd(std::optional<double>& end, double value, Signal endChanged, Signal pairChanged);
    void setPair(std::optional<double>& min, std::optional<double>& max, QPointF value, Signal minChanged,
                 Signal maxChanged, Signal pairChanged);

    std::optional<double> m_minX;
    std::optional<double> m_maxX;
    std::optional<double> m_minY;
    std::optional<double> m_maxY;
    QMap<QString, QVector<QPointF>> m_series;
    double m_maximumYLimit = -1.0;
};
