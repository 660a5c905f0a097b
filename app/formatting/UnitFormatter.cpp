#include "app/formatting/UnitFormatter.h"

#include "app/formatting/MetricText.h"
#include "app/formatting/OneScaleText.h"

namespace {
constexpr int DefaultPrecision = 6;
}

UnitFormatter::UnitFormatter(QObject* parent)
    : QObject(parent)
{
}

QString UnitFormatter::toNormalized(double value, int precision) const
{
    return ::toNormalized(value, precision);
}

QString UnitFormatter::toNormalized(double value) const
{
    return ::toNormalized(value, DefaultPrecision);
}

QStringList UnitFormatter::toNormalizedOnOneScale(const QVariantList& values, int precision) const
{
    QVector<double> numbers;
    numbers.reserve(values.size());
    for (const QVariant& value : values)
        numbers.append(value.toDouble());
    return ::toNormalizedOnOneScale(numbers, precision);
}

double UnitFormatter::toMetric(const QString& string) const
{
    return ::toMetric(string);
}

double UnitFormatter::toPrecision(double value, int precision) const
{
    return ::toPrecision(value, precision);
}

double UnitFormatter::toPrecision(double value) const
{
    return ::toPrecision(value, DefaultPrecision);
}
