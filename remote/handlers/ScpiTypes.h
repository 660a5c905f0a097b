#pragma once

#include <cstdint>

namespace Orlix::Automation {

// A compile-time list of types: a handler's objects, suffixes or arguments.
template<typename... T>
struct Types
{
};

// One "#" header suffix as a 0-based index (the suffix minus 1).
struct NumericIndex
{
    std::uint32_t value = 0;
};

// An analyzer port parameter as a 0-based index (the number minus 1), not
// range-checked here: the command's function checks it.
struct PortIndex
{
    std::int32_t value = 0;
};

} // namespace Orlix::Automation
