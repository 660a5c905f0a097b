#include "simulator/faults/FaultInjector.h"

namespace Simulator {

void FaultInjector::add(const Fault& fault, std::optional<std::size_t> entry)
{
    if (fault.count != 0)
        m_pending.push_back({fault, entry});
}

std::optional<Fault> FaultInjector::take(std::size_t entry, bool isQuery)
{
    for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
        const bool anyLine = !it->entry && (isQuery || it->fault.kind == Fault::Kind::DropConnection);
        if (!anyLine && it->entry != entry)
            continue;
        const Fault fault = it->fault;
        if (it->fault.count > 0 && --it->fault.count == 0)
            m_pending.erase(it);
        return fault;
    }
    return std::nullopt;
}

} // namespace Simulator
