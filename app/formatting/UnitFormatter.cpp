#include "app/formatting/UnitFormatter.h"

#include "app/formatting/MetricText.h"

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
