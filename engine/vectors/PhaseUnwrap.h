#pragma once

#include <vector>

namespace Algorithms {

// Phase in radians with jumps of more than pi folded back by multiples of 2 pi.
std::vector<double> unwrapPhase(const std::vector<double>& p);

} // namespace Algorithms
