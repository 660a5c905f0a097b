#include "app/checks/EditedSweepValues.h"

#include "app/formatting/MetricText.h"

#include <QCoreApplication>
#include <QString>

namespace EditedSweepValues {

namespace {

// The text without the unit at its end, as the table shows it or in English.
QString withoutUnit(QString text, const char* unit)
{
    text = text.trimmed();
    for (const QString& written :
         {QCoreApplication::translate("SetupVnaTableModel", unit), QString::fromLatin1(unit)}) {
        if (text.endsWith(written)) {
            text.chop(written.size());
            break;
        }
    }
    return text.trimmed();
}

} // namespace

std::optional<double> frequency(const QVariant& edit)
{
    const std::optional<double> value = readMetric(withoutUnit(edit.toString(), "Hz"));
    return value && *value > 0.0 ? value : std::nullopt;
}

std::optional<double> power(const QVariant& edit)
{
    return readMetric(withoutUnit(edit.toString(), "dBm"));
}

std::optional<uint> pointsCount(const QVariant& edit)
{
    bool converted = false;
    const uint count = edit.toString().trimmed().toUInt(&converted);
    return converted && count > 0 ? std::optional<uint>(count) : std::nullopt;
}

} // namespace EditedSweepValues
