#include "engine/processes/reflect/ReflectProcess.h"

#include "engine/port/FixturePort.h"
#include "engine/processes/stages/RegatedSetKinds.h"
#include "engine/processes/stages/GatingParameters.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

#include <utility>

namespace Algorithms {

bool ReflectProcess::regateFromDut(const SParametersOnePort& dut)
{
    if (!port || !parameters || !port->sParameters() || !port->sParameters()->isValid()
        || !port->impulseResponse() || !dut.isValid()) {
        emit error(tr("Invalid input data of  DUT with fixture"));
        return false;
    }
    returnToBaseSet(*port);

    // The gate follows the grid of the data being gated, not whatever the shared
    // parameters were last loaded from.
    const QString invalidResult = tr("Invalid calculated data of DUT with fixture. NaN or Inf value found");
    const std::optional<bool> dutBandPass = isBandPassGrid(dut.frequencies());
    const auto gated = dutBandPass ? makeGatingParameters(*parameters, dut.s11(), dut.frequencies(),
                                                          port->impulseResponse()->delay, *dutBandPass ? 1 : 0)
                                   : std::nullopt;
    if (!gated) {
        emit error(invalidResult);
        return false;
    }
    SParametersTwoPort set = *port->sParameters();
    std::vector<std::complex<double>> outer = *gated;
    if (!isEqualVector(dut.frequencies(), set.frequencies()))
        outer = interpolateComplexVector(dut.frequencies(), outer, set.frequencies());
    if (!isValidComplexVector(outer) || outer.size() != set.frequencies().size()) {
        emit error(invalidResult);
        return false;
    }
    set.setS11(outer);
    if (!port->setCalculatedData(std::move(set)))
        return false;

    const bool converting = port->isBandPass() == false && port->conversionType() != Z0ConversionType::None;
    if (converting && !port->convertImpedance())
        return false;
    // Only a converted result carries the low-pass marks.
    markRegatedSet(*port, converting);
    emit port->uncorrectedSParametersChanged();
    return true;
}

} // namespace Algorithms
