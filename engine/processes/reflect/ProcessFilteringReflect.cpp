#include "engine/processes/reflect/ProcessFilteringReflect.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/filtering/OuterReflectionFit.h"
#include "engine/vectors/VectorChecks.h"

#include <QDebug>

namespace Algorithms {

bool ProcessFilteringReflect::extractFixture()
{
    if (!port->impulseResponse() || !port->impulseResponse()->isValid()) {
        qDebug() << "ImpulseResponse::isValid returned false";
        emit error(noisySignalText());
        return false;
    }
    // Beyond the fixture's own reflections the residual holds the standard's second
    // pass, one round trip later than the standard itself.
    const std::vector<double> times{0.0, 2.0 * port->impulseResponse()->delay};
    const auto outer =
        fitOuterReflection(measured.frequencies(), residual, times, parameters->gatingMode() == 0, [this] {
            return isCanceled();
        });
    if (isCanceled())
        return false;
    if (!outer || !isValidComplexVector(*outer)) {
        emit error(tr("The filtering method error. The fixture reflections could not be separated. Select a "
                      "different correction method"));
        return false;
    }
    fixtureReflection = *outer;
    return true;
}

} // namespace Algorithms
