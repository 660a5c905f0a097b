#pragma once

#include <complex>

namespace Algorithms {

// a / b without intermediate overflow; NaN when b is zero or not finite.
std::complex<double> safeDivide(std::complex<double> a, std::complex<double> b);

} // namespace Algorithms
