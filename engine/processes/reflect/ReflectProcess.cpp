#include "engine/processes/reflect/ReflectProcess.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/transforms/FrequencyGrid.h"

#include <QDebug>

#include <algorithm>

namespace Algorithms {

bool ReflectProcess::setFixturesForCalculate(FixturePort* fixturePort)
{
    if (!fixturePort || !fixturePort->impedance()) {
        qDebug() << "ReflectProcess::setFixturesForCalculate: not enough parameters";
        return false;
    }
    port = fixturePort;
    connect(port, &FixturePort::error, this, &IProcessMethod::error, Qt::UniqueConnection);
    if (port->isMirrored() && port->sParameters() && port->sParameters()->isValid())
        port->mirrorSParameters();
    port->setMirrored(false);
    return true;
}

bool ReflectProcess::calculateDUT(const SParametersOnePort&)
{
    emit error(tr("The correction method does not support this measurement"));
    return false;
}

// As for a 2x-thru, but a reflection passes the half twice: the rise-time span around
// the peak is half as wide.
bool ReflectProcess::loadParameters()
{
    const std::vector<double> f = frequencies();
    const std::optional<bool> bandPass = isBandPassGrid(f);
    if (!bandPass)
        return false;
    parameters->setRiseTime(parameters->normalizingValue() / *std::max_element(f.begin(), f.end()));
    parameters->setGatingMode(*bandPass ? 1 : 0);
    parameters->setPulseMode(*bandPass ? 1 : 0);
    parameters->setStartZero(-0.5 / (f[1] - f[0]));
    if (!parameters->isTestMode())
        parameters->setNRiseTime(*bandPass ? 4 : 2);
    return true;
}

} // namespace Algorithms
