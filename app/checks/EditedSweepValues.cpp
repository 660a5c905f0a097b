#include "app/checks/EditedSweepValues.h"

#include "app/formatting/MetricText.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>
#include <limits>

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
    const std::optional<double> value = readTyped(withoutUnit(edit.toString(), "Hz"));
    return value && *value > 0.0 ? value : std::nullopt;
}

std::optional<double> power(const QVariant& edit)
{
    return readTyped(withoutUnit(edit.toString(), "dBm"));
}

std::optional<uint> pointsCount(const QVariant& edit)
{
    // "1.5" is no count: truncating it would set a number nobody typed.
    const std::optional<double> count = readTyped(edit.toString().trimmed());
    if (!count || *count < 1.0 || *count > std::numeric_limits<uint>::max() || std::trunc(*count) != *count)
        return std::nullopt;
    return static_cast<uint>(*count);
}

} // namespace EditedSweepValues
