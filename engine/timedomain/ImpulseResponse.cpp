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

TimeDomainResponse computeImpulseResponse(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                          double tStart, double tStop, double beta, int kind)
{
    if (S.size() != f.size() || !isTransformableGrid(f, kind))
        return {};
    FourierPlans plans;
    const LowPassSamples samples(f, S, kind);
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
    double windowSum = 0.0;
    if (kind == 0) {
        // The two-sided spectrum of a real response: its time values are real. The transform
        // takes the upper half of the natural order [-f_N ... 0 ... f_N], which is the first
        // N + 1 points of the transform order [0, f_1 ... f_N, -f_N ... -f_1].
        const std::size_t n = points / 2;
        windowSum = std::accumulate(window.begin() + static_cast<std::ptrdiff_t>(n + 1), window.end(), 0.0);
        windowSum = std::accumulate(window.begin(), window.begin() + static_cast<std::ptrdiff_t>(n + 1), windowSum);
        const std::vector<double> real =
            symmetricChirpZTransform(contour.a, contour.w, prepared.spectrum.data(), window.data(), n + 1, plans);
        response.values.resize(real.size());
        for (std::size_t k = 0; k < real.size(); ++k)
            response.values[k] = real[k] / windowSum;
        return response;
    }
    windowSum = std::accumulate(window.begin(), window.end(), 0.0);
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
