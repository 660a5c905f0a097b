#include "app/checks/EditedSweepValues.h"

#include "app/formatting/MetricText.h"

#include <QCoreApplication>
#include <QRegularExpression>
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

// A number as the interface reads it (an SI prefix allowed), or in exponent
// notation ("15e9"), which engineers type as often.
std::optional<double> readNumber(const QString& text)
{
    if (const std::optional<double> metric = readMetric(text))
        return metric;
    static const QRegularExpression exponent(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)[eE][+-]?\\d+$"));
    if (!exponent.match(text).hasMatch())
        return std::nullopt;
    bool converted = false;
    const double value = text.toDouble(&converted);
    return converted && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> frequency(const QVariant& edit)
{
    const std::optional<double> value = readNumber(withoutUnit(edit.toString(), "Hz"));
    return value && *value > 0.0 ? value : std::nullopt;
}

std::optional<double> power(const QVariant& edit)
{
    return readNumber(withoutUnit(edit.toString(), "dBm"));
}

std::optional<uint> pointsCount(const QVariant& edit)
{
    // "1.5" is no count: truncating it would set a number nobody typed.
    const std::optional<double> count = readNumber(edit.toString().trimmed());
    if (!count || *count < 1.0 || *count > std::numeric_limits<uint>::max() || std::trunc(*count) != *count)
        return std::nullopt;
    return static_cast<uint>(*count);
}

} // namespace EditedSweepValues
