#include "app/checks/EditedSweepValues.h"

#include "app/formatting/MetricText.h"

#include <QString>

namespace EditedSweepValues {

std::optional<double> frequency(const QVariant& edit)
{
    const std::optional<double> value = readMetric(edit.toString().remove(QStringLiteral("Hz")).trimmed());
    return value && *value > 0.0 ? value : std::nullopt;
}

std::optional<double> power(const QVariant& edit)
{
    QString text = edit.toString().trimmed();
    if (text.endsWith(QStringLiteral("dBm")))
        text = text.chopped(3).trimmed();
    return readMetric(text);
}

std::optional<uint> pointsCount(const QVariant& edit)
{
    bool converted = false;
    const uint count = edit.toString().trimmed().toUInt(&converted);
    return converted && count > 0 ? std::optional<uint>(count) : std::nullopt;
}

} // namespace EditedSweepValues
