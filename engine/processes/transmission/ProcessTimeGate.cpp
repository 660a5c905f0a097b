#include "engine/processes/transmission/ProcessTimeGate.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/stages/GatingParameters.h"

#include <utility>

namespace Algorithms {

bool ProcessTimeGate::extractFixtures()
{
    if (!left || !right || !left->impulseResponse() || !right->impulseResponse())
        return false;
    const std::vector<double>& f = measured.frequencies();
    const int gridKind = parameters->gatingMode();

    const auto gammaA = makeGatingParameters(*parameters, measured.s11(), f, left->impulseResponse()->delay, gridKind);
    if (!gammaA) {
        emit error(tr("Process TimeGate: Error gating S11"));
        return false;
    }
    if (isCanceled())
        return false;
    const auto gammaB = makeGatingParameters(*parameters, measured.s22(), f, right->impulseResponse()->delay, gridKind);
    if (!gammaB) {
        emit error(tr("Process TimeGate: Error gating S22"));
        return false;
    }
    if (isCanceled())
        return false;
    return splitFixtureHalves(std::move(*gammaA), std::move(*gammaB));
}

} // namespace Algorithms
