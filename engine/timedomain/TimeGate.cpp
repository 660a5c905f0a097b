#include "engine/timedomain/TimeGate.h"

#include "engine/timedomain/LowPassSamples.h"
#include "engine/transforms/ComplexArithmetic.h"
#include "engine/transforms/AnyLengthTransform.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/transforms/SpectrumPreparation.h"
#include "engine/vectors/VectorChecks.h"

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double searchStep = 1e-13; // s

double wrapPhase(double phi)
{
    return phi - std::round(phi / (2.0 * pi)) * 2.0 * pi;
}

double phaseCenter(const std::vector<std::complex<double>>& S, const std::vector<double>& f, double c0, int kind)
{
    const std::size_t last = S.size() - 1;
    auto residualPhase = [&](std::size_t k) { return std::arg(S[k]) + 2.0 * pi * c0 * f[k]; };
    double phi = 0.0;
    double span = 0.0;
    if (kind == 0) {
        phi = residualPhase(last);
        span = 2.0 * pi * f[last];
    } else if (kind == 1) {
        phi = residualPhase(last) - residualPhase(0);
        span = 2.0 * pi * (f[last] - f[0]);
    } else {
        return c0;
    }
    // The second pass only flips an exact +-pi to the other sign.
    phi = wrapPhase(wrapPhase(phi));
    return c0 - phi / span;
}

// Writes the spectrum of one candidate into the transform buffer in transform order.
void fillCandidate(FourierBuffer& buffer, const std::vector<std::complex<double>>& rotated, double dc, int kind)
{
    const std::size_t n = rotated.size();
    if (kind != 0) {
        std::copy(rotated.begin(), rotated.end(), buffer.data());
        return;
    }
    buffer[0] = dc;
    for (std::size_t k = 0; k < n; ++k) {
        buffer[1 + k] = rotated[k];
        buffer[2 * n - k] = std::conj(rotated[k]);
    }
}

std::optional<double> searchCenter(const std::vector<std::complex<double>>& measured, const std::vector<double>& grid,
                                   const GateDescription& gate, int kind)
{
    FourierPlans plans;
    const LowPassSamples samples(grid, measured, kind);
    const std::vector<std::complex<double>>& S = samples.values();
    const std::vector<double>& f = samples.frequencies();
    const std::size_t n = S.size();
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    const double count = static_cast<double>(n);
    const double dc = samples.zeroFrequencyValue();
    const double span = kind == 0 ? 2.0 * count / (2.0 * *high * (2.0 * count + 1.0))
                                  : 0.5 * (count - 1.0) / ((*high - *low) * count);
    auto candidates = static_cast<long>(std::ceil(span / searchStep));
    if (candidates % 2 != 0)
        candidates -= 1;
    if (candidates <= 0)
        return std::nullopt;

    const std::vector<double> kernel = kaiserWindowedTransform(f, kind, gate, plans);
    FourierBuffer buffer(kernel.size());
    std::vector<std::complex<double>> rotation(n);
    std::vector<std::complex<double>> step(n);
    std::vector<std::complex<double>> rotated(n);
    for (std::size_t k = 0; k < n; ++k)
        step[k] = std::polar(1.0, 2.0 * pi * searchStep * f[k]);

    const double scale = 1.0 / static_cast<double>(kernel.size());
    double bestScore = 0.0;
    double bestDelay = gate.center;
    for (long i = 1; i <= candidates; ++i) {
        const double tau = gate.center + static_cast<double>(i - 1 - candidates / 2) * searchStep;
        // The rotation e^(j 2 pi tau f) advances by one step per candidate; it is evaluated
        // afresh every 32 candidates so that the running product never drifts.
        if ((i - 1) % 32 == 0) {
            for (std::size_t k = 0; k < n; ++k)
                rotation[k] = std::polar(1.0, 2.0 * pi * tau * f[k]);
        } else {
            for (std::size_t k = 0; k < n; ++k)
                rotation[k] = plainProduct(rotation[k], step[k]);
        }
        for (std::size_t k = 0; k < n; ++k)
            rotated[k] = plainProduct(S[k], rotation[k]);
        fillCandidate(buffer, rotated, dc, kind);
        transformAnyLength(buffer, FourierDirection::Backward, plans);
        double score = 0.0;
        for (std::size_t k = 0; k < kernel.size(); ++k)
            score += kernel[k] * std::sqrt(std::norm(buffer[k]));
        score *= scale;
        if (i == 1 || score < bestScore) {
            bestScore = score;
            bestDelay = tau;
        }
    }
    return bestDelay;
}

// The spectrum in the buffer turned into its time response weighted by the gate kernel
// (kaiserWindowedTransform): x = backward transform / M, then x * g.
void weightByGate(FourierBuffer& buffer, const std::vector<double>& f, int kind, const GateDescription& gate,
                  FourierPlans& plans)
{
    const std::vector<double> kernel = kaiserWindowedTransform(f, kind, gate, plans);
    transformAnyLength(buffer, FourierDirection::Backward, plans);
    const double scale = 1.0 / static_cast<double>(buffer.size());
    for (std::size_t k = 0; k < buffer.size(); ++k)
        buffer[k] *= kernel[k] * scale;
}

// applyTimeGate on a low-pass grid, at 0 Hz and the N grid frequencies. The gate multiplies
// the time response B(X) / M of the two-sided spectrum X (M = 2N + 1 points, transform
// order) by its kernel df B(H), real for the conjugate-symmetric gate spectrum H, and the
// forward transform of that product is the circular convolution df (X * H) over the M
// points. Its values at 0 ... N are a linear convolution of X (indices -N ... N) with H
// continued periodically over the lags -N ... 2N, which one transform length P >= 3N + 1
// carries without wrapping: three transforms of P in place of the four transforms of 2M
// that Bluestein's method takes for the two of M. X = [dc, S_1 ... S_N, conj(S_N) ...
// conj(S_1)] is laid out from the measured samples S directly.
std::vector<std::complex<double>> gateLowPass(double dc, const std::vector<std::complex<double>>& S,
                                              const std::vector<double>& f, const GateDescription& gate,
                                              FourierPlans& plans)
{
    const std::size_t n = S.size();
    const std::size_t points = 2 * n + 1;
    const std::size_t length = smoothLengthAtLeast(3 * n + 1);
    FourierBuffer gateSpectrum(points, false);
    fillGateSpectrum(f, 0, gate, gateSpectrum);

    // Both are written where they are not zero.
    FourierBuffer x(length, false);
    FourierBuffer h(length, false);
    std::fill(x.data() + n + 1, x.data() + length - n, std::complex<double>(0.0));
    std::fill(h.data() + 2 * n + 1, h.data() + length - n, std::complex<double>(0.0));
    x[0] = dc;
    for (std::size_t k = 0; k < n; ++k) {
        x[1 + k] = S[k];
        x[length - 1 - k] = std::conj(S[k]);
    }
    for (std::size_t d = 0; d <= 2 * n; ++d)
        h[d] = gateSpectrum[d];
    for (std::size_t d = 1; d <= n; ++d)
        h[length - d] = gateSpectrum[points - d];
    plans.transform(x, FourierDirection::Forward);
    plans.transform(h, FourierDirection::Forward);
    for (std::size_t k = 0; k < length; ++k)
        x[k] = plainProduct(x[k], h[k]);
    plans.transform(x, FourierDirection::Backward);

    const double scale = (f[1] - f[0]) / static_cast<double>(length);
    std::vector<std::complex<double>> gated(n + 1);
    for (std::size_t k = 0; k <= n; ++k)
        gated[k] = scale * x[k];
    return gated;
}

} // namespace

std::optional<double> findGateCenter(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                     int centerMode, const GateDescription& gate, int kind)
{
    if (centerMode != 0 && centerMode != 1)
        return std::nullopt;
    if (S.size() != f.size() || !isTransformableGrid(f, kind))
        return std::nullopt;
    if (centerMode == 0)
        return phaseCenter(S, f, gate.center, kind);
    return searchCenter(S, f, gate, kind);
}

std::vector<std::complex<double>> applyTimeGate(const std::vector<std::complex<double>>& measured,
                                                const std::vector<double>& grid, int kind, const GateDescription& gate)
{
    if (measured.size() != grid.size() || !isTransformableGrid(grid, kind))
        return {};
    FourierPlans plans;
    const LowPassSamples samples(grid, measured, kind);
    const std::vector<std::complex<double>>& S = samples.values();
    const std::vector<double>& f = samples.frequencies();
    const std::size_t n = S.size();
    const double dc = samples.zeroFrequencyValue();

    // The gate centre moved to time 0.
    std::vector<std::complex<double>> shift(n);
    std::vector<std::complex<double>> shifted(n);
    for (std::size_t k = 0; k < n; ++k) {
        shift[k] = std::polar(1.0, 2.0 * pi * gate.center * f[k]);
        shifted[k] = S[k] * shift[k];
    }
    std::vector<std::complex<double>> spectrum;
    if (kind == 0) {
        // The two-sided spectrum is formed in the transform's buffer; it needs a time axis and
        // finite values, as prepareSpectrum's would.
        const std::optional<NaturalTimeStep> natural = naturalTimeStep(f, 0);
        if (!natural || !isValidComplexVector(shifted) || !isFiniteValue(dc))
            return {};
        spectrum = gateLowPass(dc, shifted, f, gate, plans);
    } else {
        const PreparedSpectrum prepared = prepareSpectrum(f, shifted, {dc, 0.0}, kind);
        if (!isValidComplexVector(prepared.spectrum))
            return {};
        FourierBuffer buffer(prepared.spectrum.size());
        std::copy(prepared.spectrum.begin(), prepared.spectrum.end(), buffer.data());
        weightByGate(buffer, f, kind, gate, plans);
        transformAnyLength(buffer, FourierDirection::Forward, plans);
        spectrum.assign(buffer.data(), buffer.data() + n);
    }

    // The grid's own 0 Hz point takes the gated 0 Hz value, which the shift leaves alone.
    const std::size_t leading = samples.leadingPoints();
    const std::size_t first = kind == 0 ? 1 : 0;
    std::vector<std::complex<double>> gated(leading + n);
    if (leading == 1)
        gated[0] = spectrum[0];
    // The shift terms lie on the unit circle: dividing by one is multiplying by its conjugate.
    for (std::size_t k = 0; k < n; ++k)
        gated[leading + k] = plainProduct(spectrum[first + k], std::conj(shift[k]));
    return gated;
}

} // namespace Algorithms
