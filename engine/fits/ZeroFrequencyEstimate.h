#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// The real value at 0 Hz of a response x sampled on a harmonic grid (sample i at
// (i + 1) * f_1, fMax the highest frequency), estimated from the samples alone: the
// integrated spectrum is transformed to negative times, where a causal response is still
// at rest, and the slope of the straight line fitted there is the 0 Hz value.
// NaN when it cannot be formed: non-finite samples, fewer than 5 samples (too few for a
// window before time 0) or an fMax that is not a positive finite frequency.
double estimateDelay(const std::vector<std::complex<double>>& x, double fMax);

} // namespace Algorithms
