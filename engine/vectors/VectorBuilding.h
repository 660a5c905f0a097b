#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Two vectors: the real parts, then the imaginary parts.
std::vector<std::vector<double>> splitComplex(const std::vector<std::complex<double>>& v);

// Element k is (re[k], im[k]); im must be at least as long as re.
std::vector<std::complex<double>> makeComplex(const std::vector<double>& re, const std::vector<double>& im);

// [a..., z, b...]
std::vector<std::complex<double>> concatenateComplexValue(const std::vector<std::complex<double>>& a,
                                                          std::complex<double> z,
                                                          const std::vector<std::complex<double>>& b);

// Element k is v[idx[k] - 1]: index lists between the numeric routines are 1-based.
std::vector<double> selectByIndex(const std::vector<double>& v, const std::vector<int>& idx);
std::vector<std::complex<double>> selectByIndexComplex(const std::vector<std::complex<double>>& v,
                                                       const std::vector<int>& idx);

} // namespace Algorithms
