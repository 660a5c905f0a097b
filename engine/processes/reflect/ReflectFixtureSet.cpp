#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

#include "engine/port/FixturePort.h"
#include "engine/port/SafeDivision.h"
#include "engine/processes/stages/TransmissionBranch.h"
#include "engine/vectors/VectorChecks.h"

#include <cmath>
#include <utility>

namespace Algorithms {

// With the standard's reflection t^2 s and the rest of the measurement t^2 s / (1 - x s)
// (s = +1 open, -1 short), their quotient gives the junction-side reflection x, and the
// root of the first the transmission t, its sign chosen so that the phase runs on.
bool ReflectProcessOpenOrShort::fixtureSetStage()
{
    const double s = isShort ? -1.0 : 1.0;
    const std::vector<std::complex<double>>& gamma = measured.s11();
    const std::size_t n = gamma.size();
    if (standardReflection.size() != n || fixtureReflection.size() != n) {
        emit error(tr("Invalid calculated data. NaN or Inf value found. Check measured data for validity"));
        return false;
    }

    std::vector<std::complex<double>> x(n);
    std::vector<std::complex<double>> square(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::complex<double> q = safeDivide(standardReflection[i], gamma[i] - fixtureReflection[i]);
        x[i] = (1.0 - q) / s;
        square[i] = standardReflection[i] / s;
    }
    std::vector<std::complex<double>> t = continuousSquareRoot(std::move(square));
    // The reflection passes the half twice.
    if (port->impulseResponse())
        alignWithDelay(t, measured.frequencies(), 0.5 * port->impulseResponse()->delay);

    if (!isValidComplexVector(x) || !isValidComplexVector(t) || !isValidComplexVector(fixtureReflection)) {
        emit error(tr("Invalid calculated data. NaN or Inf value found. Check measured data for validity"));
        return false;
    }
    SParametersTwoPort half;
    half.setFrequencies(measured.frequencies());
    half.setS11(fixtureReflection);
    half.setS12(t);
    half.setS21(t);
    half.setS22(x);
    return port->setCalculatedData(std::move(half));
}

} // namespace Algorithms
