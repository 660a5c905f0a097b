#include "analyzer/device/ReplyParsing.h"

#include <cmath>

namespace ReplyParsing {

QStringList splitList(const QString& reply)
{
    QString compact = reply.simplified();
    compact.remove(QLatin1Char(' '));
    return compact.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

std::optional<double> toDouble(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<uint> toUInt(const QString& text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<bool> toBool(const QString& reply)
{
    if (reply == QLatin1String("1"))
        return true;
    if (reply == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<VnaInfo> toIdentification(const QString& reply)
{
    const QStringList items = splitList(reply);
    if (items.size() != 4)
        return std::nullopt;
    return VnaInfo{items[1], items[2], items[3]};
}

std::optional<uint> toActiveChannel(const QString& reply)
{
    const std::optional<uint> wireChannel = toUInt(reply);
    if (!wireChannel || *wireChannel == 0)
        return std::nullopt;
    return *wireChannel - 1;
}

std::optional<uint> toPortCount(const QString& reply)
{
    constexpr uint largestPortCount = 256;
    const std::optional<uint> count = toUInt(reply);
    if (!count || *count > largestPortCount)
        return std::nullopt;
    return count;
}

std::optional<std::vector<double>> toDoubles(const QString& reply)
{
    const QStringList items = splitList(reply);
    if (items.isEmpty())
        return std::nullopt;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items) {
        const std::optional<double> value = toDouble(item);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<std::vector<std::complex<double>>> toComplexValues(const QString& reply)
{
    const std::optional<std::vector<double>> numbers = toDoubles(reply);
    if (!numbers || numbers->size() % 2 != 0)
        return std::nullopt;
    std::vector<std::complex<double>> values;
    values.reserve(numbers->size() / 2);
    for (std::size_t k = 0; k < numbers->size(); k += 2)
        values.emplace_back((*numbers)[k], (*numbers)[k + 1]);
    return values;
}

std::optional<std::vector<double>> toCalibratedPorts(const QString& reply)
{
    const QStringList items = splitList(reply);
    std::vector<double> ports;
    for (int k = 1; k < items.size(); ++k) {
        const std::optional<double> port = toDouble(items[k]);
        if (!port)
            return std::nullopt;
        ports.push_back(*port - 1);
    }
    return ports;
}

} // namespace ReplyParsing
