#include "engine/processes/stages/TransmissionBranch.h"

#include "engine/vectors/PhaseUnwrap.h"

#include <cmath>
#include <limits>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

// The principal square root from real square roots. The library's complex root scales its
// argument for values near the ends of the double range at a cost on every call; such
// values are left to it.
std::complex<double> principalRoot(std::complex<double> z)
{
    const double x = z.real();
    const double y = z.imag();
    const double ax = std::abs(x);
    const double ay = std::abs(y);
    if (!(ax < 1e150 && ay < 1e150) || (ax < 1e-150 && ay < 1e-150))
        return std::sqrt(z);
    const double magnitude = std::sqrt(x * x + y * y);
    if (x >= 0.0) {
        const double t = std::sqrt(0.5 * (magnitude + x));
        return {t, y / (2.0 * t)};
    }
    const double t = std::sqrt(0.5 * (magnitude - x));
    return {ay / (2.0 * t), std::copysign(t, y)};
}

} // namespace

std::vector<std::complex<double>> continuousSquareRoot(std::vector<std::complex<double>> w)
{
    std::complex<double> previous = 0.0;
    for (auto& value : w) {
        std::complex<double> root = principalRoot(value);
        // Compared with the last root that has a phase at all.
        if (root.real() * previous.real() + root.imag() * previous.imag() < 0.0)
            root = -root;
        if (root != 0.0)
            previous = root;
        value = root;
    }
    return w;
}

void alignWithDelay(std::vector<std::complex<double>>& t, const std::vector<double>& frequencies, double oneWayDelay)
{
    if (t.empty() || frequencies.empty() || !std::isfinite(oneWayDelay))
        return;
    const double expected = -2.0 * pi * frequencies.front() * oneWayDelay;
    const double offBy = std::remainder(std::arg(t.front()) - expected, 2.0 * pi);
    if (std::abs(offBy) <= 0.5 * pi)
        return;
    for (auto& value : t)
        value = -value;
}

double phaseDelay(const std::vector<std::complex<double>>& transmission, const std::vector<double>& frequencies)
{
    const std::size_t n = std::min(transmission.size(), frequencies.size());
    if (n < 2)
        return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> phase(n);
    for (std::size_t i = 0; i < n; ++i)
        phase[i] = std::arg(transmission[i]);
    phase = unwrapPhase(phase);
    double meanF = 0.0;
    double meanPhase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        meanF += frequencies[i];
        meanPhase += phase[i];
    }
    meanF /= static_cast<double>(n);
    meanPhase /= static_cast<double>(n);
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        covariance += (frequencies[i] - meanF) * (phase[i] - meanPhase);
        variance += (frequencies[i] - meanF) * (frequencies[i] - meanF);
    }
    return -covariance / variance / (2.0 * pi);
}

} // namespace Algorithms
