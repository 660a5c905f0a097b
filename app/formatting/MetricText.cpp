#include "app/formatting/MetricText.h"

#include "app/formatting/UnitPrefixTable.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int ShownDigits = 6;

const QRegularExpression& plainNumber()
{
    static const QRegularExpression pattern = [] {
        QRegularExpression compiled(QStringLiteral("^(?<value>[+-]?\\d+(\\.\\d+)?)$"));
        compiled.optimize();
        return compiled;
    }();
    return pattern;
}

const QRegularExpression& exponentNumber()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)[eE][+-]?\\d+$"));
    return pattern;
}

std::optional<double> ifFinite(double value)
{
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

double toPrecision(double value, int precision)
{
    // Beyond ±308 decimals the power of ten leaves the range of a double.
    const int decimals = std::clamp(precision, -std::numeric_limits<double>::max_exponent10,
                                    std::numeric_limits<double>::max_exponent10);
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // A product too large to hold means the value has no digits at that decimal.
    if (!std::isfinite(scaled))
        return value;
    return std::round(scaled) / scale;
}

QString toNormalized(double value, int precision, PrefixLanguage language)
{
    if (!std::isfinite(value))
        return QString::number(value, 'g', ShownDigits);
    const double magnitude = std::pow(10.0, std::log10(std::abs(value)));
    if (magnitude == 0.0)
        return QString::number(toPrecision(value, precision), 'g', std::clamp(precision, 1, 17));

    const auto table = language == PrefixLanguage::English ? UnitPrefixTable::english() : UnitPrefixTable::current();
    const UnitPrefix* nearest = &table->nearest(magnitude);
    const double scaled = value / nearest->factor;
    // The text holds 6 significant digits; rounding to finer decimals before
    // would round twice (1.0692245 would show as 1.06923).
    const int textDecimals = ShownDigits - 1 - static_cast<int>(std::floor(std::log10(std::abs(scaled))));
    const double shown = precision < textDecimals ? toPrecision(scaled, precision) : scaled;
    return QString::number(shown, 'g', ShownDigits) + QLatin1Char(' ') + nearest->text;
}

std::optional<double> readMetric(const QString& text)
{
    bool converted = false;
    const QRegularExpressionMatch plain = plainNumber().match(text);
    if (plain.hasMatch()) {
        const double value = plain.capturedRef(0).toDouble(&converted);
        return converted ? ifFinite(value) : std::nullopt;
    }

    const auto table = UnitPrefixTable::current();
    const QRegularExpressionMatch prefixed = table->prefixedNumber().match(text);
    if (!prefixed.hasMatch())
        return std::nullopt;
    const double value = prefixed.capturedRef(QStringLiteral("value")).toDouble(&converted);
    const UnitPrefix* prefix = table->find(prefixed.captured(QStringLiteral("prefix")));
    if (!converted || !prefix)
        return std::nullopt;
    return ifFinite(value * prefix->factor);
}

std::optional<double> readTyped(const QString& text)
{
    if (const std::optional<double> metric = readMetric(text))
        return metric;
    if (!exponentNumber().match(text).hasMatch())
        return std::nullopt;
    bool converted = false;
    const double value = text.toDouble(&converted);
    return converted ? ifFinite(value) : std::nullopt;
}

double toMetric(const QString& text)
{
    return readMetric(text).value_or(0.0);
}

bool isPlainNumber(const QString& text)
{
    return plainNumber().match(text).hasMatch();
}

bool isUnprefixedNumber(const QString& text)
{
    return isPlainNumber(text) || exponentNumber().match(text).hasMatch();
}
