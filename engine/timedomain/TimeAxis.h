#pragma once

#include <complex>
#include <cstddef>
#include <vector>

namespace Algorithms {

// The chirp-z contour that evaluates an inverse transform of `points` samples at the given
// times: a = exp(j 2 pi u0 / L), w = exp(j 2 pi (u1 - u0) / L), u = t / naturalStep.
struct TimeContour
{
    std::complex<double> a;
    std::complex<double> w;
};
TimeContour timeContour(const std::vector<double>& times, double naturalStep, std::size_t points);


// `points` times from start to stop (the colon range with step (stop - start) / (points - 1),
// cut or padded with zeros to exactly `points` values).
std::vector<double> spreadTimes(double start, double stop, std::size_t points);

} // namespace Algorithms
