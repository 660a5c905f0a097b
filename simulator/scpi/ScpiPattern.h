#pragma once

#include "simulator/scpi/ScpiLine.h"

#include <QString>

#include <optional>
#include <vector>

namespace Simulator {

// A command header in the usual SCPI notation: upper-case letters are the short
// form, the whole mnemonic the long form (either matches, in any letter case);
// "#" after a mnemonic allows a numeric suffix (1 when absent); "[:NODE]" is an
// optional node; a trailing "?" makes it a query. Example:
// "SOURce#:POWer[:LEVel][:IMMediate][:AMPLitude]?".
class ScpiPattern
{
public:
    explicit ScpiPattern(const QString& pattern);

    // The suffixes of the "#" nodes in pattern order, or no value when the line's
    // header is not this pattern.
    std::optional<std::vector<int>> match(const ScpiLine& line) const;

private:
    struct Node
    {
        QString shortForm;
        QString longForm;
        bool takesSuffix = false;
        bool optional = false;
    };

    bool matchFrom(std::size_t patternIndex, std::size_t lineIndex, const ScpiLine& line,
                   std::vector<int>& suffixes) const;
    static Node parseNode(QString text, bool optional);

    std::vector<Node> m_nodes;
    bool m_isQuery = false;
};

} // namespace Simulator
