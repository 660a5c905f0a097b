#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// [a..., value + 0j, b...]: a two-sided spectrum around its 0 Hz sample.
std::vector<std::complex<double>> concatenateComplex(const std::vector<std::complex<double>>& a, double value,
                                                     const std::vector<std::complex<double>>& b);
// [a..., n, b...] for real sequences.
std::vector<double> concatenate(const std::vector<double>& a, int n, const std::vector<double>& b);

} // namespace Algorithms
