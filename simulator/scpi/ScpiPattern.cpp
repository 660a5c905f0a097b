#include "simulator/scpi/ScpiPattern.h"

#include "simulator/scpi/ScpiValues.h"

namespace Simulator {

ScpiPattern::ScpiPattern(const QString& pattern)
{
    QString rest = pattern;
    if (rest.endsWith('?')) {
        m_isQuery = true;
        rest.chop(1);
    }
    int i = 0;
    while (i < rest.size()) {
        if (rest[i] == ':') {
            ++i;
            continue;
        }
        if (rest[i] == '[') {
            const int close = rest.indexOf(']', i);
            m_nodes.push_back(parseNode(rest.mid(i + 1, close - i - 1), true));
            i = close + 1;
            continue;
        }
        int end = i;
        while (end < rest.size() && rest[end] != ':' && rest[end] != '[')
            ++end;
        m_nodes.push_back(parseNode(rest.mid(i, end - i), false));
        i = end;
    }
}

ScpiPattern::Node ScpiPattern::parseNode(QString text, bool optional)
{
    Node node;
    node.optional = optional;
    if (text.startsWith(':'))
        text.remove(0, 1);
    if (text.endsWith('#')) {
        node.takesSuffix = true;
        text.chop(1);
    }
    node.shortForm = Simulator::shortForm(text);
    node.longForm = text.toUpper();
    return node;
}

std::optional<std::vector<int>> ScpiPattern::match(const ScpiLine& line) const
{
    if (line.isQuery != m_isQuery)
        return std::nullopt;
    std::vector<int> suffixes;
    if (!matchFrom(0, 0, line, suffixes))
        return std::nullopt;
    return suffixes;
}

bool ScpiPattern::matchFrom(std::size_t patternIndex, std::size_t lineIndex, const ScpiLine& line,
                            std::vector<int>& suffixes) const
{
    if (patternIndex == m_nodes.size())
        return lineIndex == line.nodes.size();

    const Node& node = m_nodes[patternIndex];
    if (lineIndex < line.nodes.size()) {
        const ScpiLine::Node& given = line.nodes[lineIndex];
        const bool sameName = given.mnemonic == node.shortForm || given.mnemonic == node.longForm;
        const bool suffixAllowed = node.takesSuffix || !given.suffix;
        if (sameName && suffixAllowed) {
            if (node.takesSuffix)
                suffixes.push_back(given.suffix.value_or(1));
            if (matchFrom(patternIndex + 1, lineIndex + 1, line, suffixes))
                return true;
            if (node.takesSuffix)
                suffixes.pop_back();
        }
    }
    if (node.optional) {
        if (node.takesSuffix)
            suffixes.push_back(1);
        if (matchFrom(patternIndex + 1, lineIndex, line, suffixes))
            return true;
        if (node.takesSuffix)
            suffixes.pop_back();
    }
    return false;
}

} // namespace Simulator
