#pragma once

#include <Eigen/Core>

#include <vector>

namespace Simulator {

// Sampled matrices on another ascending grid: every entry's real and imaginary
// parts interpolated linearly, the end values held outside the samples.
std::vector<Eigen::MatrixXcd> interpolated(const std::vector<double>& frequencies,
                                           const std::vector<Eigen::MatrixXcd>& samples,
                                           const std::vector<double>& grid);

} // namespace Simulator
