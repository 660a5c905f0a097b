#include "engine/timedomain/ImpulseResponse.h"

#include "engine/timedomain/LowPassSamples.h"
#include "engine/timedomain/TimeAxis.h"
#include "engine/transforms/ChirpZTransform.h"
#include "engine/transforms/FourierTransform.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/transforms/KaiserWindow.h"
#include "engine/transforms/SpectrumPreparation.h"
#include "engine/vectors/VectorChecks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace Algorithms {

namespace {

// The response on a low-pass grid. The two-sided spectrum [dc, S_1 ... S_N, conj(S_N) ...
// conj(S_1)] of a real response has real time values; the transform takes only its upper
// half, 0 Hz and f_1 ... f_N, under the centre half of the window, so neither the whole
// spectrum nor the whole window is formed.
TimeDomainResponse lowPassImpulseResponse(const LowPassSamples& samples, double tStart, double tStop, double beta,
                                          FourierPlans& plans)
{
    const std::vector<std::complex<double>>& S = samples.values();
    const std::optional<NaturalTimeStep> natural = naturalTimeStep(samples.frequencies(), 0);
    if (!natural || !natural->finite || !isValidComplexVector(S) || !isFiniteValue(samples.zeroFrequencyValue()))
        return {};
    const std::size_t n = S.size();
    const std::size_t points = natural->points;
    TimeDomainResponse response;
    response.times =
        tStart < tStop ? spreadTimes(tStart, tStop, points) : transformTimes(samples.frequencies(), 0);
    const TimeContour contour = timeContour(response.times, natural->step, points);

    std::vector<std::complex<double>> upper(n + 1);
    upper[0] = samples.zeroFrequencyValue();
    std::copy(S.begin(), S.end(), upper.begin() + 1);
    const std::vector<double> window = kaiserHalfWindow(points, beta);
    // Divided by L and then by the mean window value: a flat spectrum sums to the window's
    // sum.
    const double windowSum = kaiserTwoSidedSum(points, beta);
    const std::vector<double> real = symmetricChirpZTransform(contour.a, contour.w, upper.data(), window.data(), n + 1, plans);
    // Each value written once, without zeroing the vector first.
    response.values.reserve(real.size());
    for (double value : real)
        response.values.emplace_back(value / windowSum);
    return response;
}

} // namespace

TimeDomainResponse computeImpulseResponse(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                          double tStart, double tStop, double beta, int kind)
{
    if (S.size() != f.size() || !isTransformableGrid(f, kind))
        return {};
    FourierPlans plans;
    const LowPassSamples samples(f, S, kind);
    if (kind == 0)
        return lowPassImpulseResponse(samples, tStart, tStop, beta, plans);
    PreparedSpectrum prepared =
        prepareSpectrum(samples.frequencies(), samples.values(), {samples.zeroFrequencyValue(), 0.0}, kind);
    if (!isValidVector(prepared.times) || !isValidComplexVector(prepared.spectrum)
        || !isValidVector(prepared.windowIndex))
        return {};

    const std::size_t points = prepared.times.size();
    const double naturalStep = prepared.times[1] - prepared.times[0];
    TimeDomainResponse response;
    response.times = tStart < tStop ? spreadTimes(tStart, tStop, points) : std::move(prepared.times);

    const std::vector<double> window = kaiserWindow(prepared.windowIndex, beta);
    const TimeContour contour = timeContour(response.times, naturalStep, points);
    // Divided by L and then by the mean window value: a flat spectrum sums to the window's sum.
    const double windowSum = std::accumulate(window.begin(), window.end(), 0.0);
    response.values = chirpZTransform(contour.a, contour.w, prepared.spectrum, window, kind, plans);
    for (auto& value : response.values)
        value /= windowSum;
    return response;
}

PeakMagnitude peakMagnitude(const std::vector<std::complex<double>>& h)
{
    if (h.empty())
        return {std::numeric_limits<double>::quiet_NaN(), 0};
    PeakMagnitude peak{std::hypot(h[0].real(), h[0].imag()), 0};
    for (std::size_t k = 1; k < h.size(); ++k) {
        const double magnitude = std::hypot(h[k].real(), h[k].imag());
        if (magnitude > peak.magnitude)
            peak = {magnitude, k};
    }
    return peak;
}

} // namespace Algorithms
