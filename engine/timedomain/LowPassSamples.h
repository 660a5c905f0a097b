#pragma once

#include <complex>
#include <cstddef>
#include <vector>

namespace Algorithms {

// A response on the grid a transform of grid kind `kind` uses, with its value at 0 Hz.
// On a low-pass grid (kind 0) the transforms take the harmonic samples f_1 ... f_N and a
// real 0 Hz value: the grid's own 0 Hz point where it has one (hasZeroFrequencyPoint),
// otherwise the value estimated from the samples (estimateDelay). On any other kind the
// samples are used as they stand and the 0 Hz value is 0. f and S must outlive it.
class LowPassSamples
{
public:
    LowPassSamples(const std::vector<double>& f, const std::vector<std::complex<double>>& S, int kind);

    const std::vector<double>& frequencies() const { return m_split ? m_frequencies : *m_f; }
    const std::vector<std::complex<double>>& values() const { return m_split ? m_values : *m_S; }
    double zeroFrequencyValue() const { return m_zeroFrequencyValue; }
    // How many points of the caller's grid lie before frequencies(): 1 for a 0 Hz point.
    std::size_t leadingPoints() const { return m_split ? 1 : 0; }

private:
    const std::vector<double>* m_f;
    const std::vector<std::complex<double>>* m_S;
    bool m_split = false;
    std::vector<double> m_frequencies;
    std::vector<std::complex<double>> m_values;
    double m_zeroFrequencyValue = 0.0;
};

} // namespace Algorithms
