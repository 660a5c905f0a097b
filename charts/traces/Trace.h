#pragma once

#include "charts/traces/AbstractTrace.h"

#include <QColor>
#include <QPointF>
#include <QVector>

// One curve: its points resampled into a fixed set of vertex slots, with the
// colour and width it is drawn in.
class Trace : public Orlix::Frontend::AbstractTrace
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(float lineWidth READ lineWidth WRITE setLineWidth NOTIFY lineWidthChaned)

public:
    explicit Trace(QObject* parent = nullptr);

    QColor color() const { return m_data.color; }
    float lineWidth() const { return m_data.lineWidth; }
    void setColor(const QColor& color);
    void setLineWidth(float lineWidth);

    // The trace's y at data x, interpolated between the vertex slots.
    Q_INVOKABLE double domainY(double domainX) const;
    Q_INVOKABLE void replace(const QVector<QPointF>& data);
    Q_INVOKABLE bool replaceOnPtrData(QVector<QPointF>* data);
    // Drops the points: the trace draws nothing, as before its first replace,
    // until the next one.
    Q_INVOKABLE void clear();
    // The smallest and the largest x of the points last given; NaN for both
    // while the trace has none.
    Q_INVOKABLE QPointF pointsXRange() const { return m_pointsXRange; }

public slots:
    Orlix::Frontend::TraceRenderData* renderData() override { return &m_data; }
    void updateRenderData() override;

signals:
    void colorChanged(QColor color);
    void lineWidthChaned(double lineWidth);

private:
    Orlix::Frontend::TraceRenderData m_data;
    QPointF m_pointsXRange;
};
