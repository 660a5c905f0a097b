#pragma once

#include <cstddef>
#include <vector>

namespace Simulator::Physics {

// Harmonic grid step, 2 step, ..., count step: what a low-pass time-domain transform needs.
std::vector<double> lowPassGrid(double step, std::size_t count);
// count evenly spaced points from start to stop inclusive.
std::vector<double> bandPassGrid(double start, double stop, std::size_t count);

} // namespace Simulator::Physics
