#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Element-wise maps used to make a transmission known only up to its sign continuous.
std::vector<double> complexHypot(const std::vector<std::complex<double>>& v);
// Twice the phase of each element.
std::vector<double> complexArg(const std::vector<std::complex<double>>& v);
// e^(j phi / 2) of each element.
std::vector<std::complex<double>> complexExpCosSin(const std::vector<double>& phi);

// Each element keeps its magnitude; its sign is chosen so that the phase runs on
// without jumps of pi.
std::vector<std::complex<double>> withContinuousSign(const std::vector<std::complex<double>>& v);

} // namespace Algorithms
