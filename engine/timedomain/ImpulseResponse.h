#pragma once

#include <complex>
#include <cstddef>
#include <vector>

namespace Algorithms {

// A response in the time domain: one complex value per time (s).
struct TimeDomainResponse
{
    std::vector<double> times;
    std::vector<std::complex<double>> values;
};

// The largest magnitude of a response and the index of its first occurrence.
struct PeakMagnitude
{
    double magnitude = 0.0;
    std::size_t index = 0;
};

// The Kaiser-windowed inverse transform of S (on the grid f, kind 0 low pass or otherwise
// band pass) on L time points, normalised so that a reflection G e^(-j 2 pi f tau) peaks at
// tau with magnitude |G|; L = 2N + 1 on a low-pass grid of N harmonic points (the 0 Hz
// value being the grid's own 0 Hz point or estimated from S), N otherwise. With tStart < tStop the L points run from tStart to tStop, otherwise
// they are the natural time axis of the transform. Empty when the grid cannot be
// transformed or the spectrum is not finite.
TimeDomainResponse computeImpulseResponse(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                          double tStart, double tStop, double beta, int kind);

// NaN magnitude for an empty response.
PeakMagnitude peakMagnitude(const std::vector<std::complex<double>>& h);

} // namespace Algorithms
