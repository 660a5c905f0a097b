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

    std::vector<double> window = kaiserWindow(prepared.windowIndex, beta);
    if (kind == 0) {
        toNaturalOrder(prepared.spectrum);
        toNaturalOrder(window);
    }
    const TimeContour contour = timeContour(response.times, naturalStep, points);
    if (kind == 0) {
        // The two-sided spectrum of a real response: its time values are real.
        const std::vector<double> real = symmetricChirpZTransform(contour.a, contour.w, prepared.spectrum, window, plans);
        response.values.assign(real.begin(), real.end());
    } else {
        response.values = chirpZTransform(contour.a, contour.w, prepared.spectrum, window, kind, plans);
    }

    // Divided by L and then by the mean window value: a flat spectrum sums to the window's sum.
    const double windowSum = std::accumulate(window.begin(), window.end(), 0.0);
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
