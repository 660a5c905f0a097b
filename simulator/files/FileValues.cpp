#include "simulator/files/FileValues.h"

#include "simulator/scpi/ScpiValues.h"

#include <QStringList>

namespace Simulator {

namespace {

// Items joined by ","; empty text for none; no value when any item does not parse.
template <typename Item, typename Parse>
std::optional<std::vector<Item>> parseList(const QString& text, Parse parseItem)
{
    std::vector<Item> items;
    if (text.isEmpty())
        return items;
    for (const QString& itemText : text.split(',')) {
        const std::optional<Item> item = parseItem(itemText);
        if (!item)
            return std::nullopt;
        items.push_back(*item);
    }
    return items;
}

} // namespace

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
    return parseList<double>(text, parseNumber);
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
    return parseList<int>(text, [](const QString& item) {
        const auto port = parseInteger(item);
        return port && *port >= 1 ? port : std::nullopt;
    });
}

} // namespace Simulator
