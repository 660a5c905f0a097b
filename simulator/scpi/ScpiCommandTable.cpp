#include "simulator/scpi/ScpiCommandTable.h"

namespace Simulator {

void ScpiCommandTable::add(const QString& pattern, ScpiHandler handler)
{
    m_entries.push_back({ScpiPattern(pattern), std::move(handler)});
}

std::optional<ScpiCommandTable::Match> ScpiCommandTable::find(const ScpiLine& line) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (auto suffixes = m_entries[i].pattern.match(line))
            return Match{i, std::move(*suffixes)};
    }
    return std::nullopt;
}

} // namespace Simulator
