#pragma once

namespace Algorithms {

// How a single-standard reflect process separates the standard's reflection from the
// fixture's own reflections.
enum class MaxSignalEliminationType : int {
    ExponentialFit = 0,
    TimeGate = 1
};

} // namespace Algorithms
