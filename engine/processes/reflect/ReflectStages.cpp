#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/ImpulseStages.h"
#include "engine/timedomain/StepResponse.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <utility>

namespace Algorithms {

bool ReflectProcessOpenOrShort::impulseStage()
{
    std::optional<ImpulseResponse> record =
        checkImpulseResponse(*this, measured.s11(), measured.frequencies(), parameters->nRiseTime(),
                             parameters->riseTime(), parameters->pulseMode());
    if (!record) {
        emit error(noisySignalText());
        return false;
    }
    if (!record->isValid()) {
        qDebug() << "ImpulseResponse::isValid returned false";
        emit error(noisySignalText());
        return false;
    }
    if (parameters->pulseMode() == 0)
        record->resolved = parameters->riseTime() * parameters->nRiseTime() <= record->delay * 0.5;
    // The reflection runs through the half and back: the half is one way of it long,
    // and an offset changes the round trip twice over.
    record->doublePass = true;
    const double oneWayLength = record->delay * 0.5;
    port->setFixtureLength(oneWayLength);
    port->setDefaultLength(oneWayLength);
    const double delay = record->delay;
    if (!port->setImpulseResponse(std::move(*record)))
        return false;
    parameters->setTimeMin(-delay);
    return true;
}

// The fixture impedance is read from the impedance profile just before the standard.
bool ReflectProcessOpenOrShort::stepStage()
{
    if (!port->impulseResponse())
        return false;
    const double delay = port->impulseResponse()->delay;
    const auto step = computeStepResponse(measured.s11(), measured.frequencies(), 0.0, 2.0 * delay, 3.0,
                                          parameters->startZero(), parameters->timeMin(), *port->impedance());
    if (!isValidVector(step.stepResponse) || !isValidVector(step.impedanceProfile) || !isValidVector(step.times)) {
        emit error(tr("Invalid step response. Calculation error. Check the measured data for validity"));
        return false;
    }
    const double position = delay - parameters->nRiseTime() * parameters->riseTime();
    const double impedance = interp1(step.times, step.impedanceProfile, position);
    if (!isFiniteValue(impedance) || impedance <= 0.0) {
        emit error(tr("Invalid fixture impedance. NaN, Inf or 0 value found"));
        return false;
    }
    // The port refuses an unusable record with its own text.
    if (!port->setStepResponse({step.impedanceProfile, step.times, position, impedance}))
        return false;
    port->setImpedanceValue(impedance);
    return true;
}

} // namespace Algorithms
