#include "simulator/scpi/ScpiLine.h"

namespace Simulator {

namespace {

QString unquoted(const QString& text)
{
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        return text.mid(1, text.size() - 2);
    return text;
}

std::optional<ScpiLine::Node> parseNode(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    if (text.front() == '*') {
        for (int i = 1; i < text.size(); ++i) {
            if (!text[i].isLetter())
                return std::nullopt;
        }
        return ScpiLine::Node{text.toUpper(), std::nullopt};
    }
    int letters = 0;
    while (letters < text.size() && text[letters].isLetter() && text[letters].unicode() < 128)
        ++letters;
    if (letters == 0)
        return std::nullopt;
    ScpiLine::Node node{text.left(letters).toUpper(), std::nullopt};
    if (letters < text.size()) {
        bool ok = false;
        const QString digits = text.mid(letters);
        for (const QChar c : digits) {
            if (!c.isDigit())
                return std::nullopt;
        }
        node.suffix = digits.toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return node;
}

} // namespace

std::optional<ScpiLine> ScpiLine::parse(const QString& text)
{
    const QString line = text.trimmed();
    if (line.isEmpty())
        return std::nullopt;

    int headerEnd = 0;
    while (headerEnd < line.size() && !line[headerEnd].isSpace())
        ++headerEnd;
    QString header = line.left(headerEnd);

    ScpiLine result;
    result.arguments = line.mid(headerEnd).trimmed();
    if (header.endsWith('?')) {
        result.isQuery = true;
        header.chop(1);
    }
    if (header.startsWith(':'))
        header.remove(0, 1);
    if (header.isEmpty())
        return std::nullopt;

    const QStringList parts = header.split(':');
    for (const QString& part : parts) {
        const auto node = parseNode(part);
        if (!node)
            return std::nullopt;
        result.nodes.push_back(*node);
    }
    // A common command ("*IDN") stands alone.
    if (result.nodes.size() > 1) {
        for (const Node& node : result.nodes) {
            if (node.mnemonic.startsWith('*'))
                return std::nullopt;
        }
    }
    return result;
}

QStringList ScpiLine::argumentList() const
{
    QStringList items;
    if (arguments.isEmpty())
        return items;
    for (const QString& item : arguments.split(','))
        items.append(unquoted(item.trimmed()));
    return items;
}

QString ScpiLine::argumentText() const
{
    return unquoted(arguments);
}

} // namespace Simulator
