#include "engine/processes/bisection/ProcessBisect.h"

#include "engine/fits/BisectionFit.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/bisection/PhaseContinuity.h"
#include "engine/vectors/VectorChecks.h"

#include <QtGlobal>

#include <array>

namespace Algorithms {

bool ProcessBisect::extractFixtures()
{
    if (!left || !right)
        return false;
    // The halves share one transmission, which only holds for equal port impedances.
    if (!left->impedance() || !right->impedance() || !qFuzzyCompare(*left->impedance(), *right->impedance())) {
        emit error(tr("The bisection method error. Impedance of the selected VNA ports has to be the same!"));
        return false;
    }

    // Left S11, S12, S21, S22, then right S11, S12, S21, S22.
    const std::size_t n = measured.frequencies().size();
    std::array<std::vector<std::complex<double>>, 8> halves;
    for (auto& v : halves)
        v.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (isCanceled())
            return false;
        ComplexMatrix2x2 thru;
        thru << measured.s11()[i], measured.s12()[i], measured.s21()[i], measured.s22()[i];
        const ComplexMatrixPair fit = solveBisectionFit(thru);
        for (int k = 0; k < 4; ++k) {
            halves[k][i] = fit.second(k / 2, k % 2);
            halves[4 + k][i] = fit.first(k / 2, k % 2);
        }
    }
    for (int k : {2, 1, 6, 5})
        halves[k] = withContinuousSign(halves[k]);

    for (const auto& v : halves) {
        if (!isValidComplexVector(v) || v.size() != n) {
            emit error(tr("The bisection method error!"));
            return false;
        }
    }
    SParametersTwoPort leftHalf;
    leftHalf.setFrequencies(measured.frequencies());
    leftHalf.setS11(halves[0]);
    leftHalf.setS12(halves[1]);
    leftHalf.setS21(halves[2]);
    leftHalf.setS22(halves[3]);
    SParametersTwoPort rightHalf;
    rightHalf.setFrequencies(measured.frequencies());
    rightHalf.setS11(halves[4]);
    rightHalf.setS12(halves[5]);
    rightHalf.setS21(halves[6]);
    rightHalf.setS22(halves[7]);
    const bool leftStored = left->setCalculatedData(leftHalf);
    const bool rightStored = right->setCalculatedData(rightHalf);
    return leftStored && rightStored;
}

} // namespace Algorithms
