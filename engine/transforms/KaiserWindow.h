#pragma once

#include <cstddef>
#include <vector>

namespace Algorithms {

// I0(beta * sqrt(1 - x^2)) / I0(beta) at the normalised position x in [-1, 1];
// beta = 0 gives the rectangular window.
double kaiserWindowValue(double x, double beta);

// The window over L = |windowIndex| points: point k lies at x = (2 * windowIndex[k] - L + 1) / (L - 1).
// A single point gets the value 1.
std::vector<double> kaiserWindow(const std::vector<double>& windowIndex, double beta);

// The values of kaiserWindow over an odd number of points from the centre outwards: value k
// is that of the point (points - 1) / 2 - k, k = 0 ... (points - 1) / 2. A symmetric window
// needs no more.
std::vector<double> kaiserHalfWindow(std::size_t points, double beta);

// The sum of that window over all of its (odd number of) points in the transform order of a
// two-sided spectrum, [0 Hz, f_1 ... f_N, -f_N ... -f_1], beginning with -f_N ... -f_1.
double kaiserTwoSidedSum(std::size_t points, double beta);

} // namespace Algorithms
