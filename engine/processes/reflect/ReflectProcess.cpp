#include "engine/processes/reflect/ReflectProcess.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/GridParameters.h"

#include <QDebug>


namespace Algorithms {

bool ReflectProcess::setFixturesForCalculate(FixturePort* fixturePort)
{
    if (!fixturePort || !fixturePort->impedance()) {
        qDebug() << "ReflectProcess::setFixturesForCalculate: not enough parameters";
        return false;
    }
    port = fixturePort;
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
    return loadGridParameters(*parameters, frequencies(), 2, 4);
}

} // namespace Algorithms
