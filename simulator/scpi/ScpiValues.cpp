#include "simulator/scpi/ScpiValues.h"

#include <cmath>

namespace Simulator {

QString shortForm(const QString& keyword)
{
    int length = 0;
    while (length < keyword.size() && !keyword[length].isLower())
        ++length;
    return keyword.left(length);
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<bool> parseBoolean(const QString& text)
{
    const QString word = text.trimmed().toUpper();
    if (word == "1" || word == "ON")
        return true;
    if (word == "0" || word == "OFF")
        return false;
    return std::nullopt;
}

std::optional<int> parseKeyword(const QString& text, const QStringList& keywords)
{
    const QString word = text.trimmed().toUpper();
    for (int i = 0; i < keywords.size(); ++i) {
        if (word == shortForm(keywords[i]) || word == keywords[i].toUpper())
            return i;
    }
    return std::nullopt;
}

QString formatNumber(double value)
{
    return QString::number(value, 'g', 15);
}

QString formatBoolean(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString formatNumbers(const std::vector<double>& values)
{
    QStringList items;
    items.reserve(static_cast<int>(values.size()));
    for (double value : values)
        items.append(formatNumber(value));
    return items.join(',');
}

QString formatComplexNumbers(const std::vector<std::complex<double>>& values)
{
    QStringList items;
    items.reserve(static_cast<int>(2 * values.size()));
    for (const auto& value : values) {
        items.append(formatNumber(value.real()));
        items.append(formatNumber(value.imag()));
    }
    return items.join(',');
}

} // namespace Simulator
