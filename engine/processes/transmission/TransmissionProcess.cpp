#include "engine/processes/transmission/TransmissionProcess.h"

#include "engine/fits/ZeroFrequencyMemo.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/GridParameters.h"
#include "engine/transforms/FrequencyGrid.h"

#include <QDebug>


namespace Algorithms {

void TransmissionProcess::setMeasuredData(const SParametersTwoPort& data)
{
    measured = data;
}

bool TransmissionProcess::setFixturesForCalculate(FixturePort* leftPort, FixturePort* rightPort)
{
    if (!leftPort || !rightPort || !leftPort->impedance() || !rightPort->impedance()) {
        qDebug() << "TransmissionProcess::setFixturesForCalculate: not enough parameters";
        return false;
    }
    left = leftPort;
    right = rightPort;

    if (left->isMirrored() && left->sParameters() && left->sParameters()->isValid())
        left->mirrorSParameters();
    if (!right->isMirrored() && right->sParameters() && right->sParameters()->isValid())
        right->mirrorSParameters();
    left->setMirrored(false);
    right->setMirrored(true);
    return true;
}

void TransmissionProcess::moveToPorts(FixturePort* leftPort, FixturePort* rightPort)
{
    left = leftPort;
    right = rightPort;
}

bool TransmissionProcess::calculateDUT(const SParametersOnePort&, const SParametersOnePort&)
{
    emit error(tr("This process does not have a DUT calculation method"));
    return false;
}

QString TransmissionProcess::gridProblem(const std::vector<double>& frequencies) const
{
    // The run's grid kind is the one loadParameters() derives from the grid.
    const std::optional<bool> bandPass = isBandPassGrid(frequencies);
    if (!bandPass)
        return tr("Transmission. Invalid input data");
    if (needsTimeDomain() && !isTransformableGrid(frequencies, *bandPass ? 1 : 0))
        return notLinearText();
    return {};
}

QString TransmissionProcess::notLinearText()
{
    return tr("The frequency sweep is not linear, so no time-domain transform is possible. Measure with a linear "
              "sweep or use the bisection method");
}

bool TransmissionProcess::checkFixtureDelay(double)
{
    return true;
}

bool TransmissionProcess::needsTimeDomain() const
{
    return true;
}

bool TransmissionProcess::process()
{
    // The impulse, step and gating stages all need the 0 Hz values of the same measured
    // parameters; each is formed once per run.
    const ZeroFrequencyMemo zeroFrequencyMemo;
    if (!measured.isValid() || !left || !right) {
        emit error(tr("Transmission. Invalid input data"));
        return false;
    }
    if (!loadParameters()) {
        emit error(tr("Transmission. Invalid input data"));
        return false;
    }
    // On a logarithmic or segmented sweep no time response can be formed: a method that
    // separates the halves in time cannot run, one that does not runs without the records.
    const bool timeDomain = isTransformableGrid(measured.frequencies(), parameters->gatingMode());
    if (!timeDomain && needsTimeDomain()) {
        emit error(notLinearText());
        return false;
    }
    if ((timeDomain && !impulseStage()) || isCanceled())
        return false;

    const bool converting = left->conversionType() != Z0ConversionType::None
        || right->conversionType() != Z0ConversionType::None;
    if (parameters->gatingMode() == 0 && converting && !stepResponseStage())
        return false;
    if (isCanceled() || !extractFixtures() || isCanceled())
        return false;

    for (FixturePort* port : {left, right}) {
        if (!port->sParameters() || !port->setUncorrectedSParametersDefault(*port->sParameters()))
            return false;
    }
    if (parameters->gatingMode() == 0 && !convertPorts())
        return false;

    emit left->uncorrectedSParametersChanged();
    emit right->uncorrectedSParametersChanged();
    return true;
}

bool TransmissionProcess::loadParameters()
{
    return loadGridParameters(*parameters, measured.frequencies(), 4, 8);
}

bool TransmissionProcess::convertPorts()
{
    for (FixturePort* port : {left, right}) {
        if (port->conversionType() == Z0ConversionType::None)
            continue;
        if (!port->convertImpedance() || !port->setUncorrectedSParametersZConversion(*port->sParameters()))
            return false;
    }
    return true;
}

void TransmissionProcess::setTimeMinFromLeftDelay()
{
    if (!left || !right || !left->impulseResponse() || !right->impulseResponse())
        return;
    if (left->impulseResponse()->delay != right->impulseResponse()->delay)
        qDebug() << "ProcessBisect::determineTimeMin(): different lengths of the fixtures. ???";
    parameters->setTimeMin(-left->impulseResponse()->delay);
}

} // namespace Algorithms
