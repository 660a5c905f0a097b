#include "engine/processes/filtering/ProcessFiltering.h"

#include "engine/fits/ExponentialFit.h"
#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/filtering/Concatenation.h"
#include "engine/vectors/VectorChecks.h"

#include <algorithm>
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
    const std::vector<double>& f = measured.frequencies();
    const std::vector<double> times{0.0, 2.0 * delay};
    if (parameters->gatingMode() != 0) {
        const auto fit = fitExponentials(f, reflection, times, 0, 0, 0);
        if (!fit || fit->size() < 2)
            return std::nullopt;
        return fit->front();
    }

    // On a harmonic grid the fit runs over the two-sided spectrum, with the estimated
    // 0 Hz value in its centre, and the measured half is kept afterwards.
    const std::size_t n = f.size();
    const double zeroFrequencyValue = estimateDelay(reflection, *std::max_element(f.begin(), f.end()));
    ComplexVector negative(n);
    std::vector<double> negativeFrequencies(n);
    for (std::size_t i = 0; i < n; ++i) {
        negative[i] = std::conj(reflection[n - 1 - i]);
        negativeFrequencies[i] = -f[n - 1 - i];
    }
    const auto fit = fitExponentials(concatenate(negativeFrequencies, 0, f),
                                     concatenateComplex(negative, zeroFrequencyValue, reflection), times, 0, 0, 0);
    if (!fit || fit->size() < 2)
        return std::nullopt;
    return ComplexVector(fit->front().begin() + static_cast<std::ptrdiff_t>(n + 1), fit->front().end());
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
    return splitFixtureHalves(*gammaA, *gammaB);
}

} // namespace Algorithms
