#include "engine/processes/stages/GatingParameters.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/timedomain/TimeGate.h"
#include "engine/transforms/GateDescription.h"
#include "engine/vectors/VectorChecks.h"

namespace Algorithms {

std::optional<std::vector<std::complex<double>>> makeGatingParameters(const ProcessInputParameters& parameters,
                                                                      const std::vector<std::complex<double>>& values,
                                                                      const std::vector<double>& frequencies,
                                                                      double stop, int gridKind)
{
    GateDescription gate;
    gate.timeStart = parameters.timeMin();
    gate.timeStop = stop;
    gate.kaiserBeta = parameters.kaiserBeta();
    gate.kaiserBetaX = parameters.kaiserBetaX();
    gate.center = (gate.timeStart + stop) / 2.0;
    gate.halfWidth = (stop - gate.timeStart) / 2.0;

    const std::optional<double> center =
        findGateCenter(values, frequencies, parameters.lowSignalCenterMode(), gate, gridKind);
    if (!center || !isFiniteValue(*center))
        return std::nullopt;
    gate.center = *center;

    std::vector<std::complex<double>> gated = applyTimeGate(values, frequencies, gridKind, gate);
    if (!isValidComplexVector(gated))
        return std::nullopt;
    return gated;
}

} // namespace Algorithms
