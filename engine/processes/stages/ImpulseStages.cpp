#include "engine/processes/stages/ImpulseStages.h"

#include "engine/processes/base/IProcessMethod.h"
#include "engine/timedomain/ImpulseResponse.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

#include <cmath>
#include <utility>

namespace Algorithms {

namespace {

bool isValidResponse(const std::vector<double>& times, const std::vector<std::complex<double>>& values)
{
    return isValidVector(times) && isValidComplexVector(values) && times.size() == values.size();
}

} // namespace

std::optional<ImpulseResponse> checkImpulseResponse(IProcessMethod& reporter,
                                                    const std::vector<std::complex<double>>& values,
                                                    const std::vector<double>& frequencies, int nRiseTime,
                                                    double riseTime, int pulseMode)
{
    const auto coarse = computeImpulseResponse(values, frequencies, 0.0, 0.0, 0.0, pulseMode);
    if (!isValidResponse(coarse.times, coarse.values)) {
        emit reporter.error(noisySignalText());
        return std::nullopt;
    }
    const double coarseDelay = coarse.times[peakMagnitude(coarse.values).index];

    const double halfSpan = nRiseTime * riseTime;
    auto fine =
        computeImpulseResponse(values, frequencies, coarseDelay - halfSpan, coarseDelay + halfSpan, 3.0, pulseMode);
    if (!isValidResponse(fine.times, fine.values)) {
        emit reporter.error(noisySignalText());
        return std::nullopt;
    }
    const double delay = fine.times[peakMagnitude(fine.values).index];
    if (delay < 0.0) {
        emit reporter.error(IProcessMethod::tr("A negative fixture delay. Check measured data for validity"));
        return std::nullopt;
    }

    ImpulseResponse record;
    record.values = std::move(fine.values);
    record.times = std::move(fine.times);
    record.delay = delay;
    record.coarseDelay = coarseDelay;
    return record;
}

std::optional<Gating> calculateImpulseResponseStage(const std::vector<std::complex<double>>& values,
                                                    const std::vector<double>& frequencies, double delay,
                                                    double timeMin, int pulseMode)
{
    auto response = computeImpulseResponse(values, frequencies, timeMin, 2.0 * delay, 6.0, pulseMode);
    if (!isValidResponse(response.times, response.values))
        return std::nullopt;
    Gating gating;
    gating.value = interp1Magnitude(response.times, response.values, delay);
    gating.values = std::move(response.values);
    gating.times = std::move(response.times);
    return gating;
}

} // namespace Algorithms
