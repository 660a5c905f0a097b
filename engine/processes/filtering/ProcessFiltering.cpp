#include "engine/processes/filtering/ProcessFiltering.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/filtering/OuterReflectionFit.h"
#include "engine/vectors/VectorChecks.h"

#include <cmath>

namespace Algorithms {

namespace {

using ComplexVector = std::vector<std::complex<double>>;

// The longest fixture delay the fit can resolve on the analyzers' frequency grids.
const double longestDelay = std::nextafter(2.5e-8, 1.0);

} // namespace

bool ProcessFiltering::checkFixtureDelay(double delay)
{
    if (delay > longestDelay) {
        emit error(tr("The filtering method error. Fixture delay is too long. Select a different correction method"));
        return false;
    }
    return true;
}

std::optional<ComplexVector> ProcessFiltering::outerReflection(const ComplexVector& reflection, double delay)
{
    // Beyond the half's own reflections the thru's reflection holds what returns from the
    // far end of the thru, one round trip of the whole thru later.
    return fitOuterReflection(measured.frequencies(), reflection, {0.0, 2.0 * delay}, parameters->gatingMode() == 0,
                              [this] { return isCanceled(); });
}

bool ProcessFiltering::extractFixtures()
{
    if (!left || !right || !left->impulseResponse() || !right->impulseResponse())
        return false;
    const QString fitFailed =
        tr("The filtering method error. The fixture reflections could not be separated. Select a different "
           "correction method");

    const auto gammaA = outerReflection(measured.s11(), left->impulseResponse()->delay);
    if (isCanceled())
        return false;
    if (!gammaA || !isValidComplexVector(*gammaA)) {
        emit error(fitFailed);
        return false;
    }
    const auto gammaB = outerReflection(measured.s22(), right->impulseResponse()->delay);
    if (isCanceled())
        return false;
    if (!gammaB || !isValidComplexVector(*gammaB)) {
        emit error(fitFailed);
        return false;
    }
    return splitFixtureHalves(std::move(*gammaA), std::move(*gammaB));
}

} // namespace Algorithms
