#pragma once

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

class ProcessInputParameters;

// The reflection time-gated from the parameters' timeMin to stop, on a grid of the
// given kind (0 low pass, 1 band pass); empty when no gate centre or no valid result.
std::optional<std::vector<std::complex<double>>> makeGatingParameters(const ProcessInputParameters& parameters,
                                                                      const std::vector<std::complex<double>>& values,
                                                                      const std::vector<double>& frequencies,
                                                                      double stop, int gridKind);

} // namespace Algorithms
