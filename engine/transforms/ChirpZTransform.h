#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

class FourierPlans;

// Element k (k = 0 ... N-1, N = |x|) is the sum over n of x[n] * weights[n] * a^n * w^(n*k),
// evaluated by Bluestein's method over FFT lengths of a power of two >= 2N - 1. With
// shiftMode 0 each element k is then multiplied by a^(-h) * w^(-h*k), h = (N - 1) / 2, which
// moves the time origin to the middle sample of a spectrum given in natural order.
// Empty when x is empty or weights is shorter than x.
std::vector<std::complex<double>> chirpZTransform(std::complex<double> a, std::complex<double> w,
                                                  const std::vector<std::complex<double>>& x,
                                                  const std::vector<double>& weights, int shiftMode);

// The same, with the FFT plans of the calling calculation.
std::vector<std::complex<double>> chirpZTransform(std::complex<double> a, std::complex<double> w,
                                                  const std::vector<std::complex<double>>& x,
                                                  const std::vector<double>& weights, int shiftMode,
                                                  FourierPlans& plans);

// The same sum with shiftMode 0, for a and w on the unit circle and a conjugate-symmetric product x[n] * weights[n] of an odd
// number 2N + 1 of samples in natural order (x[N - m] weights[N - m] is the conjugate of
// x[N + m] weights[N + m]), as the spectra of real time responses are: its values are real.
// They are formed from the samples N ... 2N alone, over a convolution of about 3N points
// instead of 4N. Empty for an even number of samples or too few weights.
std::vector<double> symmetricChirpZTransform(std::complex<double> a, std::complex<double> w,
                                             const std::vector<std::complex<double>>& x,
                                             const std::vector<double>& weights, FourierPlans& plans);

// The same from the upper half alone: the N + 1 samples N ... 2N of x and their weights,
// which are also the first N + 1 samples of a two-sided spectrum in transform order.
std::vector<double> symmetricChirpZTransform(std::complex<double> a, std::complex<double> w,
                                             const std::complex<double>* upper, const double* upperWeights,
                                             std::size_t halfCount, FourierPlans& plans);

// The sums over the 2N + 1 values r_k of symmetricChirpZTransform(a, w, x, weights): of r_k
// and of k r_k, formed in closed form in O(N) instead of by the transform. For a and w on the
// unit circle, w = e^(j theta), the sum over k of w^(mk) is the Dirichlet kernel
// e^(j N m theta) sin((2N + 1) m theta / 2) / sin(m theta / 2). NaN for an even number of
// samples or too few weights.
struct ChirpZSums
{
    double values = 0.0;
    double indexWeighted = 0.0;
};
ChirpZSums symmetricChirpZSums(std::complex<double> a, std::complex<double> w,
                               const std::vector<std::complex<double>>& x, const std::vector<double>& weights);
// The same from the upper half alone, as the transform above.
ChirpZSums symmetricChirpZSums(std::complex<double> a, std::complex<double> w, const std::complex<double>* upper,
                               const double* upperWeights, std::size_t halfCount);

} // namespace Algorithms
