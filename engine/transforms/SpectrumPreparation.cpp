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

// The time axis of a transform over n frequencies from low to high: the colon range from 0
// to (n - 1) dt, less the offset that centres it.
struct AxisLayout
{
    std::size_t points = 0;
    double dt = 0.0;
    double offset = 0.0;
};

std::optional<AxisLayout> axisLayout(double low, double high, std::size_t n, double df)
{
    const double span = high - low;
    const double dt = 1.0 / (span + df);
    if (!isFiniteValue(span + df) || !isFiniteValue(dt))
        return std::nullopt;
    const double denominator = (n % 2 == 0) ? 2.0 * span : 2.0 * (span + df);
    return AxisLayout{n, dt, static_cast<double>(n - 1) / denominator};
}

std::vector<double> timeAxis(const AxisLayout& layout)
{
    std::vector<double> t = colonRange(0.0, static_cast<double>(layout.points - 1) * layout.dt, layout.dt);
    for (double& value : t)
        value -= layout.offset;
    return t;
}

// The layout of the axis of prepareSpectrum on f (a low-pass grid without its 0 Hz point).
std::optional<AxisLayout> transformAxisLayout(const std::vector<double>& f, int kind)
{
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    const double df = f[1] - f[0];
    if (kind == 0) {
        // The two-sided grid [0, f_1 ... f_N, -f_N ... -f_1].
        return axisLayout(std::min({0.0, *low, -*high}), std::max({0.0, *high, -*low}), 2 * f.size() + 1, df);
    }
    return axisLayout(*low, *high, f.size(), df);
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
    const std::optional<AxisLayout> layout = transformAxisLayout(f, kind);
    if (!layout)
        return {};
    PreparedSpectrum prepared;
    if (kind == 0) {
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
    prepared.times = timeAxis(*layout);
    return prepared;
}

std::vector<double> transformTimes(const std::vector<double>& f, int kind)
{
    if (!isTransformableGrid(f, kind))
        return {};
    // The axis of the two-sided grid around the 0 Hz point, as prepareSpectrum forms it.
    if (kind == 0 && hasZeroFrequencyPoint(f))
        return transformTimes({f.begin() + 1, f.end()}, 0);
    const std::optional<AxisLayout> layout = transformAxisLayout(f, kind);
    return layout ? timeAxis(*layout) : std::vector<double>();
}

std::optional<NaturalTimeStep> naturalTimeStep(const std::vector<double>& f, int kind)
{
    if (!isTransformableGrid(f, kind))
        return std::nullopt;
    if (kind == 0 && hasZeroFrequencyPoint(f))
        return naturalTimeStep({f.begin() + 1, f.end()}, 0);
    const std::optional<AxisLayout> layout = transformAxisLayout(f, kind);
    if (!layout)
        return std::nullopt;
    // t[0] = 0 - offset and t[1] = dt - offset; the colon range ascends from 0 to its last
    // value (n - 1) dt, so the axis is finite when its ends are.
    const double first = 0.0 - layout->offset;
    const double second = layout->dt - layout->offset;
    const double last = static_cast<double>(layout->points - 1) * layout->dt - layout->offset;
    return NaturalTimeStep{layout->points, second - first,
                           isFiniteValue(first) && isFiniteValue(second) && isFiniteValue(last)};
}

std::vector<double> kaiserWindowedTransform(const std::vector<double>& f, int kind, const GateDescription& gate)
{
    FourierPlans plans;
    return kaiserWindowedTransform(f, kind, gate, plans);
}

void fillGateSpectrum(const std::vector<double>& f, int kind, const GateDescription& gate, FourierBuffer& spectrum)
{
    const std::size_t n = f.size();
    const double width = 2.0 * gate.halfWidth;
    const double shift = gate.center - 0.5 * (gate.timeStart + gate.timeStop);
    auto gateValue = [&](double nu, double window) {
        const double s = width * nu;
        const double sinc = (s == 0.0) ? 1.0 : std::sin(pi * s) / (pi * s);
        return width * sinc * std::polar(window, 2.0 * pi * nu * shift);
    };
    if (kind == 0) {
        // The two-sided grid [0, f_1 ... f_N, -f_N ... -f_1]: -f_k shares the window value of
        // f_k, so its kernel value is the conjugate (the sine and cosine are odd and even to
        // the last bit).
        const std::vector<double> window = kaiserHalfWindow(2 * n + 1, gate.kaiserBetaX);
        spectrum[0] = gateValue(0.0, window[0]);
        for (std::size_t k = 1; k <= n; ++k)
            spectrum[k] = gateValue(f[k - 1], window[k]);
        for (std::size_t k = n + 1; k <= 2 * n; ++k)
            spectrum[k] = std::conj(spectrum[2 * n + 1 - k]);
        return;
    }
    // Transform order with 0 Hz and h positive frequencies first, then the negative ones.
    const double df = f[1] - f[0];
    const std::size_t h = (n % 2 == 0) ? n / 2 - 1 : (n - 1) / 2;
    std::vector<double> frequencies(n);
    std::vector<double> windowIndex(n);
    for (std::size_t k = 0; k <= h; ++k) {
        frequencies[k] = static_cast<double>(k) * df;
        windowIndex[k] = static_cast<double>(h - k);
    }
    for (std::size_t k = h + 1; k < n; ++k) {
        frequencies[k] = -static_cast<double>(n - k) * df;
        windowIndex[k] = static_cast<double>(k - h - 1);
    }
    const std::vector<double> window = kaiserWindow(windowIndex, gate.kaiserBetaX);
    for (std::size_t k = 0; k < n; ++k)
        spectrum[k] = gateValue(frequencies[k], window[k]);
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
