#pragma once

#include <QObject>
#include <QPointF>
#include <QVariantList>

// Rounded tick values for an axis, largest first: loose labelling with the
// nice numbers 1, 2 and 5 times a power of ten.
class NiceLabels : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Labels are never closer together than a few units in the last place of
    // the values, so that every label is a distinct number.
    static constexpr double minimumStepInUlps = 8.0;

public slots:
    // Empty when max <= min, when either is not finite, or for fewer than 2 ticks.
    QVariantList looseLabels(double min, double max, int tickCount);
    QVariantList looseLabels(double min, double max);
    // (smallest, largest) label of the range with 10 ticks; (0, 0) without labels.
    QPointF looseLabelsMinMax(QPointF point);
};
