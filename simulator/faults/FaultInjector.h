#pragma once

#include "simulator/faults/Fault.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace Simulator {

// The faults still to be produced, each bound to one entry of the command table.
class FaultInjector
{
public:
    // entry: the command table's entry of the fault's header; no value for "any".
    void add(const Fault& fault, std::optional<std::size_t> entry);
    void clear() { m_pending.clear(); }

    // The first pending fault for a line of this entry, counted down; no value when none applies.
    std::optional<Fault> take(std::size_t entry, bool isQuery);

private:
    struct Pending
    {
        Fault fault;
        std::optional<std::size_t> entry;
    };

    std::vector<Pending> m_pending;
};

} // namespace Simulator
