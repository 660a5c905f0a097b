#include "engine/processes/transmission/TransmissionProcess.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/ImpulseStages.h"
#include "engine/timedomain/StepResponse.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

#include <QtGlobal>

#include <utility>

namespace Algorithms {

namespace {

// The impedance the step response shows at the junction of a half; empty when the
// response cannot be formed or shows no physical impedance there.
std::optional<ReflectData::StepResponse> junctionStepResponse(const std::vector<std::complex<double>>& reflection,
                                                              const std::vector<double>& frequencies,
                                                              const ProcessInputParameters& parameters,
                                                              double coarseDelay, double delay, double impedance)
{
    const auto step = computeStepResponse(reflection, frequencies, parameters.timeMin(), 2.0 * coarseDelay, 3.0,
                                          parameters.startZero(), parameters.timeMin(), impedance);
    if (!isValidVector(step.stepResponse) || !isValidVector(step.impedanceProfile) || !isValidVector(step.times))
        return std::nullopt;
    const double z = interp1(step.times, step.impedanceProfile, delay);
    if (!isFiniteValue(z) || z <= 0.0)
        return std::nullopt;
    return ReflectData::StepResponse{step.impedanceProfile, step.times, delay, z};
}

} // namespace

bool TransmissionProcess::impulseStage()
{
    const std::vector<double>& f = measured.frequencies();
    std::optional<ImpulseResponse> record = checkImpulseResponse(
        *this, measured.s21(), f, parameters->nRiseTime(), parameters->riseTime(), parameters->pulseMode());
    if (!record || !record->isValid()) {
        emit error(noisySignalText());
        return false;
    }
    if (parameters->pulseMode() == 0)
        record->resolved = parameters->riseTime() * parameters->nRiseTime() <= record->delay;
    if (!checkFixtureDelay(record->delay))
        return false;

    const auto leftGating =
        calculateImpulseResponseStage(measured.s11(), f, record->delay, parameters->timeMin(), parameters->pulseMode());
    const auto rightGating =
        calculateImpulseResponseStage(measured.s22(), f, record->delay, parameters->timeMin(), parameters->pulseMode());
    if (!leftGating || !rightGating || !leftGating->isValid() || !rightGating->isValid()) {
        emit error(noisySignalText());
        return false;
    }
    record->doublePass = true;

    const double halfLength = record->delay * 0.5;
    for (auto [port, gating] : {std::pair{left, &*leftGating}, std::pair{right, &*rightGating}}) {
        port->setFixtureLength(halfLength);
        port->setDefaultLength(halfLength);
        // Both ports hold the record; the right one, set last, takes it over.
        const bool stored = port == right ? port->setImpulseResponse(std::move(*record))
                                          : port->setImpulseResponse(*record);
        if (!stored || !port->setGating(std::move(*gating)))
            return false;
    }
    determineTimeMin();
    return true;
}

bool TransmissionProcess::stepResponseStage()
{
    if (!left->impulseResponse() || !right->impulseResponse() || !left->impedance() || !right->impedance()
        || !qFuzzyCompare(left->impulseResponse()->coarseDelay, right->impulseResponse()->coarseDelay)) {
        emit error(tr("Step Response. Invalid input data"));
        return false;
    }
    const std::vector<double>& f = measured.frequencies();
    const double coarseDelay = left->impulseResponse()->coarseDelay;

    const auto leftStep = junctionStepResponse(measured.s11(), f, *parameters, coarseDelay,
                                               left->impulseResponse()->delay, *left->impedance());
    if (!leftStep) {
        emit error(tr("Invalid step response. Calculation error. Check the measured data for validity"));
        return false;
    }
    const auto rightStep = junctionStepResponse(measured.s22(), f, *parameters, coarseDelay,
                                                right->impulseResponse()->delay, *right->impedance());
    if (!rightStep) {
        emit error(tr("Error in calculating the step response characteristic"));
        return false;
    }
    const double fixtureImpedance = (rightStep->impedance + leftStep->impedance) * 0.5;
    if (!left->setStepResponse(std::move(*leftStep)) || !right->setStepResponse(std::move(*rightStep)))
        return false;
    left->setImpedanceValue(fixtureImpedance);
    right->setImpedanceValue(fixtureImpedance);
    return true;
}

} // namespace Algorithms
