#include "simulator/files/FileValues.h"

#include "simulator/scpi/ScpiValues.h"

#include <QStringList>

namespace Simulator {

QString exactNumber(double value)
{
    return QString::number(value, 'g', 17);
}

QString numberList(const std::vector<double>& values)
{
    QStringList items;
    for (double value : values)
        items.append(exactNumber(value));
    return items.join(',');
}

std::optional<std::vector<double>> parseNumberList(const QString& text)
{
    std::vector<double> values;
    if (text.isEmpty())
        return values;
    for (const QString& item : text.split(',')) {
        const auto value = parseNumber(item);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

QString portList(const std::vector<int>& ports)
{
    QStringList items;
    for (int port : ports)
        items.append(QString::number(port));
    return items.join(',');
}

std::optional<std::vector<int>> parsePortList(const QString& text)
{
    std::vector<int> ports;
    if (text.isEmpty())
        return ports;
    for (const QString& item : text.split(',')) {
        const auto port = parseInteger(item);
        if (!port || *port < 1)
            return std::nullopt;
        ports.push_back(*port);
    }
    return ports;
}

} // namespace Simulator
