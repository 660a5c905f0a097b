#include "engine/processes/bisection/ProcessBisect.h"

#include "engine/fits/BisectionFit.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/bisection/PhaseContinuity.h"
#include "engine/processes/stages/TransmissionBranch.h"
#include "engine/vectors/VectorChecks.h"

#include <QtGlobal>
#include <utility>

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

    const std::size_t n = measured.frequencies().size();
    HalfParameters leftHalf, rightHalf;
    for (std::size_t k = 0; k < 4; ++k) {
        leftHalf[k].resize(n);
        rightHalf[k].resize(n);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (isCanceled())
            return false;
        ComplexMatrix2x2 thru;
        thru << measured.s11()[i], measured.s12()[i], measured.s21()[i], measured.s22()[i];
        // The fit gives the half at port 2 first.
        const ComplexMatrixPair fit = solveBisectionFit(thru);
        for (std::size_t k = 0; k < 4; ++k) {
            leftHalf[k][i] = fit.second(k / 2, k % 2);
            rightHalf[k][i] = fit.first(k / 2, k % 2);
        }
    }
    // Transmissions S21 and S12, left then right.
    const double delay = halfDelay();
    for (HalfParameters* half : {&leftHalf, &rightHalf}) {
        for (std::size_t k : {2, 1}) {
            (*half)[k] = withContinuousSign((*half)[k]);
            alignWithDelay((*half)[k], measured.frequencies(), delay);
        }
    }

    for (const HalfParameters* half : {&leftHalf, &rightHalf}) {
        for (const auto& v : *half) {
            if (!isValidComplexVector(v) || v.size() != n) {
                emit error(tr("The bisection method error!"));
                return false;
            }
        }
    }
    return storeFixtureHalves(std::move(leftHalf), std::move(rightHalf));
}

} // namespace Algorithms
