#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

#include "engine/fits/ExponentialFit.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/ImpulseStages.h"
#include "engine/timedomain/ExponentialFitGate.h"
#include "engine/timedomain/TimeGate.h"
#include "engine/transforms/GateDescription.h"
#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <cmath>
#include <utility>

namespace Algorithms {

// The standard's reflection is the fit's component at the standard's delay: its smooth
// envelope, smoothed once more, times the delay term that the fit keeps apart.
bool ReflectProcessOpenOrShort::separateByExponentialFit()
{
    const std::vector<double>& f = measured.frequencies();
    const double delay = port->impulseResponse()->delay;
    const auto fit = fitExponentials(f, measured.s11(), {0.0, delay, 2.0 * delay});
    if (!fit) {
        emit error(noisySignalText());
        return false;
    }
    for (const auto& component : *fit) {
        if (!isValidComplexVector(component)) {
            emit error(noisySignalText());
            return false;
        }
    }
    std::vector<double> magnitudes;
    std::vector<double> phases;
    gateByExponentialFit(f, (*fit)[1], 0, 1, 4.0 * parameters->riseTime(), magnitudes, phases);
    if (!isValidVector(magnitudes) || !isValidVector(phases) || magnitudes.size() != f.size()
        || phases.size() != f.size())
        return true;
    standardReflection.resize(f.size());
    for (std::size_t i = 0; i < f.size(); ++i)
        standardReflection[i] = std::polar(magnitudes[i], phases[i] - 2.0 * M_PI * f[i] * delay);
    return true;
}

// The standard's reflection is what a gate of +-nRiseTime rise times around its delay
// lets through.
bool ReflectProcessOpenOrShort::separateByTimeGate()
{
    const double delay = port->impulseResponse()->delay;
    const double halfSpan = parameters->nRiseTime() * parameters->riseTime();
    GateDescription gate;
    gate.timeStart = delay - halfSpan;
    gate.timeStop = delay + halfSpan;
    gate.center = delay;
    gate.halfWidth = halfSpan;
    gate.kaiserBeta = parameters->kaiserBeta();
    gate.kaiserBetaX = parameters->kaiserBetaX();
    const std::optional<double> center = findGateCenter(measured.s11(), measured.frequencies(),
                                                        parameters->highSignalCenterMode(), gate,
                                                        parameters->gatingMode());
    if (!center || !isFiniteValue(*center)) {
        emit error(noisySignalText());
        return false;
    }
    gate.center = *center;
    standardReflection = applyTimeGate(measured.s11(), measured.frequencies(), parameters->gatingMode(), gate);
    return true;
}

bool ReflectProcessOpenOrShort::separationStage()
{
    if (!port->impulseResponse())
        return false;
    standardReflection.clear();
    residual.clear();
    switch (signalType) {
    case MaxSignalEliminationType::ExponentialFit:
        if (!separateByExponentialFit())
            return false;
        break;
    case MaxSignalEliminationType::TimeGate:
        if (!separateByTimeGate())
            return false;
        break;
    }
    if (!isValidComplexVector(standardReflection) || standardReflection.size() != measured.s11().size()) {
        emit error(noisySignalText());
        return false;
    }

    residual.resize(standardReflection.size());
    for (std::size_t i = 0; i < residual.size(); ++i)
        residual[i] = measured.s11()[i] - standardReflection[i];
    const auto gating = calculateImpulseResponseStage(residual, measured.frequencies(),
                                                      port->impulseResponse()->delay, parameters->timeMin(),
                                                      parameters->pulseMode());
    if (!gating) {
        emit error(noisySignalText());
        return false;
    }
    if (!gating->isValid()) {
        qDebug() << "Gating::isValid returned false";
        emit error(noisySignalText());
        return false;
    }
    return port->setGating(std::move(*gating));
}

} // namespace Algorithms
