#include "engine/processes/reflect/ProcessTimeGateReflect.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/GatingParameters.h"

namespace Algorithms {

bool ProcessTimeGateReflect::calculateDUT(const SParametersOnePort& dut)
{
    return regateFromDut(dut);
}

bool ProcessTimeGateReflect::extractFixture()
{
    const auto gated = makeGatingParameters(*parameters, residual, measured.frequencies(),
                                            port->impulseResponse()->delay, parameters->gatingMode());
    if (!gated) {
        emit error(tr("Process TimeGate: Error gating S11"));
        return false;
    }
    fixtureReflection = *gated;
    return true;
}

} // namespace Algorithms
