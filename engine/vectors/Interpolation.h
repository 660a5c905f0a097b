#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Straight line through (x1, y1) and (x2, y2) at x; -1.0 when x1 and x2 are fuzzy-equal.
double interpolateDoubleValue(double x, double x1, double x2, double y1, double y2);

// One value of y(x) at xi, no extrapolation: -1.0 outside [x0, xlast] or on bad input.
double interp1(const std::vector<double>& x, const std::vector<double>& y, double xi);
// interp1 on the magnitudes of y, of which only the two around xi are formed.
double interp1Magnitude(const std::vector<double>& x, const std::vector<std::complex<double>>& y, double xi);

// y(x) at every xi, the end samples repeated outside x; empty when |x| != |y| or when x
// or xi is not ascending.
std::vector<double> interp1Complex(const std::vector<double>& x, const std::vector<double>& y,
                                   const std::vector<double>& xi);

// Real and imaginary parts interpolated separately; empty when y is shorter than x.
std::vector<std::complex<double>> interpolateComplexVector(const std::vector<double>& x,
                                                           const std::vector<std::complex<double>>& y,
                                                           const std::vector<double>& xi);

} // namespace Algorithms
