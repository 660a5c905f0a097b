#include "engine/transforms/SpectrumPreparation.h"

#include "engine/transforms/AnyLengthTransform.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/transforms/KaiserWindow.h"
#include "engine/vectors/Ranges.h"
#include "engine/vectors/VectorChecks.h"

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

// [N, N-1, ..., 0, 0, 1, ..., N-1]: the index of every point of a two-sided spectrum in
// transform order, so that a window of 2N + 1 points centres on 0 Hz.
std::vector<double> twoSidedWindowIndex(std::size_t n)
{
    std::vector<double> index(2 * n + 1);
    for (std::size_t k = 0; k <= n; ++k)
        index[k] = static_cast<double>(n - k);
    for (std::size_t k = 0; k < n; ++k)
        index[n + 1 + k] = static_cast<double>(k);
    return index;
}

// [0, f_1 ... f_N, -f_N ... -f_1]
std::vector<double> twoSidedFrequencies(const std::vector<double>& f)
{
    const std::size_t n = f.size();
    std::vector<double> result(2 * n + 1);
    result[0] = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
        result[1 + k] = f[k];
        result[2 * n - k] = -f[k];
    }
    return result;
}

// The time axis of a transform over n frequencies from low to high.
std::vector<double> timeAxis(double low, double high, std::size_t n, double df)
{
    const double span = high - low;
    const double dt = 1.0 / (span + df);
    if (!isFiniteValue(span + df) || !isFiniteValue(dt))
        return {};
    std::vector<double> t = colonRange(0.0, static_cast<double>(n - 1) * dt, dt);
    const double denominator = (n % 2 == 0) ? 2.0 * span : 2.0 * (span + df);
    const double offset = static_cast<double>(n - 1) / denominator;
    for (double& value : t)
        value -= offset;
    return t;
}

} // namespace

PreparedSpectrum prepareSpectrum(const std::vector<double>& f, const std::vector<std::complex<double>>& S,
                                 std::complex<double> dc, int kind)
{
    if (S.size() != f.size() || !isTransformableGrid(f, kind))
        return {};
    // The grid's own 0 Hz value stands in for the one given.
    if (kind == 0 && hasZeroFrequencyPoint(f))
        return prepareSpectrum({f.begin() + 1, f.end()}, {S.begin() + 1, S.end()}, S.front().real(), 0);
    const std::size_t n = f.size();
    PreparedSpectrum prepared;
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    double lowest = *low;
    double highest = *high;
    std::size_t count = n;
    if (kind == 0) {
        // The two-sided grid [0, f_1 ... f_N, -f_N ... -f_1].
        lowest = std::min({0.0, *low, -*high});
        highest = std::max({0.0, *high, -*low});
        count = 2 * n + 1;
        prepared.spectrum.resize(2 * n + 1);
        prepared.spectrum[0] = dc;
        for (std::size_t k = 0; k < n; ++k) {
            prepared.spectrum[1 + k] = S[k];
            prepared.spectrum[2 * n - k] = std::conj(S[k]);
        }
        prepared.windowIndex = twoSidedWindowIndex(n);
    } else {
        prepared.spectrum = S;
        prepared.windowIndex = colonRange(0.0, static_cast<double>(n - 1), 1.0);
    }
    prepared.times = timeAxis(lowest, highest, count, f[1] - f[0]);
    if (prepared.times.empty())
        return {};
    return prepared;
}

std::vector<double> kaiserWindowedTransform(const std::vector<double>& f, int kind, const GateDescription& gate)
{
    FourierPlans plans;
    return kaiserWindowedTransform(f, kind, gate, plans);
}

void fillGateSpectrum(const std::vector<double>& f, int kind, const GateDescription& gate, FourierBuffer& spectrum)
{
    const std::size_t n = f.size();
    const double df = f[1] - f[0];
    std::vector<double> frequencies;
    std::vector<double> windowIndex;
    if (kind == 0) {
        frequencies = twoSidedFrequencies(f);
        windowIndex = twoSidedWindowIndex(n);
    } else {
        // Transform order with 0 Hz and h positive frequencies first, then the negative ones.
        const std::size_t h = (n % 2 == 0) ? n / 2 - 1 : (n - 1) / 2;
        frequencies.resize(n);
        windowIndex.resize(n);
        for (std::size_t k = 0; k <= h; ++k) {
            frequencies[k] = static_cast<double>(k) * df;
            windowIndex[k] = static_cast<double>(h - k);
        }
        for (std::size_t k = h + 1; k < n; ++k) {
            frequencies[k] = -static_cast<double>(n - k) * df;
            windowIndex[k] = static_cast<double>(k - h - 1);
        }
    }
    const std::vector<double> window = kaiserWindow(windowIndex, gate.kaiserBetaX);
    const double width = 2.0 * gate.halfWidth;
    const double shift = gate.center - 0.5 * (gate.timeStart + gate.timeStop);

    const std::size_t points = frequencies.size();
    auto gateSpectrum = [&](std::size_t k) {
        const double nu = frequencies[k];
        const double s = width * nu;
        const double sinc = (s == 0.0) ? 1.0 : std::sin(pi * s) / (pi * s);
        return width * sinc * std::polar(window[k], 2.0 * pi * nu * shift);
    };
    // On the two-sided grid -f_k shares the window value of f_k, so its kernel value is the
    // conjugate: the sine and cosine are odd and even to the last bit.
    const std::size_t evaluated = kind == 0 ? n + 1 : points;
    for (std::size_t k = 0; k < evaluated; ++k)
        spectrum[k] = gateSpectrum(k);
    for (std::size_t k = evaluated; k < points; ++k)
        spectrum[k] = std::conj(spectrum[points - k]);
}

std::vector<double> kaiserWindowedTransform(const std::vector<double>& f, int kind, const GateDescription& gate,
                                            FourierPlans& plans)
{
    if (!isTransformableGrid(f, kind))
        return {};
    // A low-pass grid's 0 Hz point is the centre of the two-sided grid already.
    if (kind == 0 && hasZeroFrequencyPoint(f))
        return kaiserWindowedTransform({f.begin() + 1, f.end()}, 0, gate, plans);
    const std::size_t points = kind == 0 ? 2 * f.size() + 1 : f.size();
    FourierBuffer kernel(points);
    fillGateSpectrum(f, kind, gate, kernel);
    transformAnyLength(kernel, FourierDirection::Backward, plans);

    // M * df * Re(h_k) with h the transform divided by M.
    const double df = f[1] - f[0];
    std::vector<double> result(points);
    for (std::size_t k = 0; k < points; ++k)
        result[k] = df * kernel[k].real();
    return result;
}

} // namespace Algorithms
