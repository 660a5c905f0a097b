#include "app/formatting/NumberReader.h"

#include "app/formatting/MetricText.h"
#include "app/formatting/UnitPrefixTable.h"

#include <cmath>

namespace {

// How far a number may lie from the field's decimals and still count as
// having them: "0.07n" reads as 70.00000000000001 ps.
constexpr double DecimalsTolerance = 1e-6;

// Whether the text ends in the unit in any of its spellings that Unicode holds for the same:
// the ohm sign (U+2126) and the Greek capital omega (U+03A9) that keyboards type for it.
bool endsWithUnit(const QString& text, const QString& unit)
{
    const QString end = text.right(unit.size());
    return end.normalized(QString::NormalizationForm_C) == unit.normalized(QString::NormalizationForm_C);
}

} // namespace

NumberReader::NumberReader(QObject* parent)
    : QObject(parent)
{
}

NumberReader::Reading NumberReader::read(const QString& text) const
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {};
    QString number = typed;
    bool withUnit = false;
    for (const QString& unit : m_units) {
        if (!unit.isEmpty() && endsWithUnit(number, unit)) {
            number.chop(unit.size());
            number = number.trimmed();
            withUnit = true;
            break;
        }
    }
    const std::optional<double> read = readTyped(number);
    if (!read)
        return {std::nullopt, tr("%1 is not a number").arg(typed)};
    const double value = withUnit || !isUnprefixedNumber(number) ? *read / m_unitFactor : *read;
    if (!std::isfinite(value))
        return {std::nullopt, tr("%1 is not a number").arg(typed)};
    if (value < m_bottom || value > m_top)
        return {std::nullopt,
                tr("%1 is outside the range from %2 to %3").arg(typed, shown(m_bottom), shown(m_top))};
    const double scaled = value * std::pow(10.0, m_decimals);
    if (std::abs(scaled - std::round(scaled)) > DecimalsTolerance)
        return {std::nullopt, tr("%1 has more than %2 decimals").arg(typed, QString::number(m_decimals))};
    return {toPrecision(value, m_decimals), QString()};
}

QVariantMap NumberReader::readText(const QString& text) const
{
    const Reading reading = read(text);
    if (reading.value)
        return {{QStringLiteral("value"), *reading.value}};
    if (!reading.refusal.isEmpty())
        return {{QStringLiteral("refusal"), reading.refusal}};
    return {};
}

QString NumberReader::shown(double value) const
{
    const QString unit =
        m_units.isEmpty() ? QString() : UnitPrefixTable::current()->textOf(m_unitFactor) + m_units.front();
    const QString number = QString::number(value, 'g', 12);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}
