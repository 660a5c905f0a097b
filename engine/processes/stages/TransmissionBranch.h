#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// The square roots of w, each with the sign that keeps it within a quarter turn of its
// neighbour below: the phase of the roots runs on without jumps of pi over the band.
// The roots take the place of the values.
std::vector<std::complex<double>> continuousSquareRoot(std::vector<std::complex<double>> w);

// A half's transmission comes from a square root and is known only up to its sign; its
// phase is made continuous over the band, which fixes the sign everywhere once it is right
// at the first frequency. Its phase there must agree with a line of the half's one-way
// delay extrapolated from 0 Hz, -2 pi f0 delay: the principal root agrees only while the
// thru's phase at f0 lies within +-pi, which a sweep starting far above 0 Hz leaves.
// Negates t when it points the other way (more than a quarter turn off).
void alignWithDelay(std::vector<std::complex<double>>& t, const std::vector<double>& frequencies, double oneWayDelay);

// The delay of a transmission from the slope of its unwrapped phase over the band (a
// least-squares line); for grids on which no impulse response can be formed. NaN for
// fewer than 2 points.
double phaseDelay(const std::vector<std::complex<double>>& transmission, const std::vector<double>& frequencies);

} // namespace Algorithms
