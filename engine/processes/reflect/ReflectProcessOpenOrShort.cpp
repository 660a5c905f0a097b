#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

#include "engine/fits/ZeroFrequencyMemo.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/transforms/FrequencyGrid.h"

namespace Algorithms {

void ReflectProcessOpenOrShort::setMeasuredData(const SParametersOnePort& data)
{
    measured.setFrequencies(data.frequencies());
    measured.setS11(data.s11());
}

QString ReflectProcessOpenOrShort::gridProblem(const std::vector<double>& frequencies) const
{
    // The run's grid kind is the one loadParameters() derives from the grid.
    const std::optional<bool> bandPass = isBandPassGrid(frequencies);
    if (!bandPass)
        return tr("Reflection. Invalid input data");
    return isTransformableGrid(frequencies, *bandPass ? 1 : 0) ? QString() : notLinearText();
}

QString ReflectProcessOpenOrShort::notLinearText()
{
    return tr("The frequency sweep is not linear, so no time-domain transform is possible. Measure with a linear "
              "sweep");
}

void ReflectProcessOpenOrShort::setIsShort(bool isShortStandard)
{
    isShort = isShortStandard;
}

void ReflectProcessOpenOrShort::setSignalType(MaxSignalEliminationType type)
{
    signalType = type;
}

std::vector<double> ReflectProcessOpenOrShort::frequencies() const
{
    return measured.frequencies();
}

bool ReflectProcessOpenOrShort::process()
{
    // Parameters that cannot be loaded would leave those of an earlier run in force.
    if (!port || !measured.isValid() || !port->impedance() || !loadParameters()) {
        emit error(tr("Reflection. Invalid input data"));
        return false;
    }
    if (!isTransformableGrid(measured.frequencies(), parameters->gatingMode())) {
        emit error(notLinearText());
        return false;
    }
    // The stages ask for the 0 Hz value of the same reflection several times.
    const ZeroFrequencyMemo zeroFrequencyMemo;
    if (!impulseStage() || isCanceled())
        return false;
    const bool converting =
        port->conversionType() != Z0ConversionType::None && parameters->gatingMode() == 0;
    if (converting && (!stepStage() || isCanceled()))
        return false;
    if (!separationStage() || isCanceled())
        return false;
    if (!extractFixture() || isCanceled())
        return false;
    if (!fixtureSetStage() || isCanceled())
        return false;

    if (!port->sParameters() || !port->setUncorrectedSParametersDefault(*port->sParameters()))
        return false;
    if (converting
        && (!port->convertImpedance() || !port->setUncorrectedSParametersZConversion(*port->sParameters())))
        return false;
    emit port->uncorrectedSParametersChanged();
    return true;
}

} // namespace Algorithms
