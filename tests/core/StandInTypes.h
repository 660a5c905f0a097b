#pragma once

#include <QObject>
#include <QString>

// Stand-ins for the types the application registers from other subsystems,
// under the same declarative names and with the same numbers, so that the
// shared controls load and behave here as they do in the application.

namespace StandInCoreMeasureEnums {
Q_NAMESPACE
enum class RecommendedResult { Correct = 0, Warning = 1, Error = 2 };
Q_ENUM_NS(RecommendedResult)
} // namespace StandInCoreMeasureEnums

namespace StandInMeasureEnums {
Q_NAMESPACE
enum class MeasureStatus { NONE = 0, MEASURED = 1, Error = 2 };
Q_ENUM_NS(MeasureStatus)
} // namespace StandInMeasureEnums

// Formats as "value|precision " so a test sees what reached the formatter.
class StandInUnitFormatter : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE QString toNormalized(double value, int precision) const
    {
        return QStringLiteral("%1|%2 ").arg(value).arg(precision);
    }
    Q_INVOKABLE double toPrecision(double value, int precision) const
    {
        return QString::number(value, 'f', precision).toDouble();
    }
};

// Registers the stand-ins once per process.
void registerStandInTypes();
