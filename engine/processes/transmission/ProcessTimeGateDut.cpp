#include "engine/processes/transmission/ProcessTimeGate.h"

#include "engine/port/FixturePort.h"
#include "engine/processes/stages/RegatedSetKinds.h"
#include "engine/processes/stages/GatingParameters.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

#include <utility>

namespace Algorithms {

bool ProcessTimeGate::regateOuterReflection(FixturePort& port, const SParametersOnePort& dut, bool outerIsS11)
{
    // The gate follows the grid of the data being gated, not whatever the shared
    // parameters were last loaded from.
    const std::optional<bool> bandPass = isBandPassGrid(dut.frequencies());
    const auto gated = bandPass ? makeGatingParameters(*parameters, dut.s11(), dut.frequencies(),
                                                       port.impulseResponse()->delay, *bandPass ? 1 : 0)
                                : std::nullopt;
    if (!gated) {
        emit error(outerIsS11 ? tr("ProcessTimeGate::calculateDUT: Error gating S11")
                              : tr("ProcessTimeGate::calculateDUT: Error gating S22"));
        return false;
    }
    SParametersTwoPort set = *port.sParameters();
    std::vector<std::complex<double>> outer = *gated;
    if (!isEqualVector(dut.frequencies(), set.frequencies()))
        outer = interpolateComplexVector(dut.frequencies(), outer, set.frequencies());
    if (!isValidComplexVector(outer) || outer.size() != set.frequencies().size()) {
        emit error(tr("ProcessTimeGate::calculateDUT: invalid result vectors"));
        return false;
    }
    if (outerIsS11)
        set.setS11(outer);
    else
        set.setS22(outer);
    return port.setCalculatedData(std::move(set));
}

bool ProcessTimeGate::finishDutSet(FixturePort& port)
{
    const bool lowPass = port.isBandPass() == false;
    if (lowPass && port.conversionType() != Z0ConversionType::None && !port.convertImpedance())
        return false;
    markRegatedSet(port, lowPass);
    return true;
}

bool ProcessTimeGate::calculateDUT(const SParametersOnePort& leftDut, const SParametersOnePort& rightDut)
{
    const bool leftValid = leftDut.isValid();
    const bool rightValid = rightDut.isValid();
    if (!left || !right || !parameters || !left->sParameters() || !right->sParameters()
        || !left->impulseResponse() || !right->impulseResponse() || (!leftValid && !rightValid)) {
        emit error(tr("ProcessTimeGate::calculateDUT: error input parameters"));
        return false;
    }
    if (!left->sParameters()->isValid() || !right->sParameters()->isValid()) {
        emit error(tr("ProcessTimeGate::calculateDUT: error uncorrected fixture s parameters"));
        return false;
    }
    // Each port returns on its own kind, so that a port already converted is never
    // converted a second time when the two ports differ.
    if (!returnToBaseSet(*left) || !returnToBaseSet(*right)) {
        emit error(tr("ProcessTimeGate::calculateDUT: error uncorrected fixture s parameters"));
        return false;
    }
    if (leftValid && !regateOuterReflection(*left, leftDut, true))
        return false;
    if (rightValid && !regateOuterReflection(*right, rightDut, false))
        return false;
    if (!finishDutSet(*left) || !finishDutSet(*right))
        return false;
    emit left->uncorrectedSParametersChanged();
    emit right->uncorrectedSParametersChanged();
    return true;
}

} // namespace Algorithms
