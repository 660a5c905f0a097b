#include "engine/processes/transmission/TransmissionProcess.h"

#include "engine/port/FixturePort.h"
#include "engine/processes/stages/TransmissionBranch.h"

#include <cmath>
#include <utility>

namespace Algorithms {

namespace {

using ComplexVector = std::vector<std::complex<double>>;

// The junction-side reflection of one half: what remains of the thru's reflection at
// the other end once that half's outer reflection is removed, seen through the thru.
ComplexVector junctionReflection(const ComplexVector& reflection, const ComplexVector& outer,
                                 const ComplexVector& transmission)
{
    ComplexVector x(reflection.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = (reflection[i] - outer[i]) / transmission[i];
    return x;
}

// Transmission of one half: the root of the thru's transmission without the multiple
// reflections at the junction, its sign chosen so that the phase runs on continuously.
ComplexVector halfTransmission(const ComplexVector& thru, const ComplexVector& xA, const ComplexVector& xB)
{
    ComplexVector square(thru.size());
    for (std::size_t i = 0; i < square.size(); ++i)
        square[i] = thru[i] * (1.0 - xA[i] * xB[i]);
    return continuousSquareRoot(std::move(square));
}

} // namespace

bool TransmissionProcess::splitFixtureHalves(ComplexVector gammaA, ComplexVector gammaB)
{
    ComplexVector xB = junctionReflection(measured.s11(), gammaA, measured.s21());
    if (isCanceled())
        return false;
    ComplexVector xA = junctionReflection(measured.s22(), gammaB, measured.s12());
    if (isCanceled())
        return false;
    const double delay = halfDelay();
    ComplexVector t = halfTransmission(measured.s21(), xA, xB);
    alignWithDelay(t, measured.frequencies(), delay);
    if (isCanceled())
        return false;
    ComplexVector t12 = halfTransmission(measured.s12(), xA, xB);
    alignWithDelay(t12, measured.frequencies(), delay);
    if (isCanceled())
        return false;
    // The mean of the two transmissions, in place of the first.
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = (t[i] + t12[i]) / 2.0;
    t12 = ComplexVector();
    if (isCanceled())
        return false;

    // A half's set holds its own copies of the transmission; the last one takes t itself.
    // Each half is built in its own statement: arguments are evaluated in no fixed order.
    HalfParameters leftHalf{std::move(gammaA), t, t, std::move(xA)};
    HalfParameters rightHalf{std::move(xB), t, std::move(t), std::move(gammaB)};
    return storeFixtureHalves(std::move(leftHalf), std::move(rightHalf));
}

double TransmissionProcess::halfDelay() const
{
    if (left && left->impulseResponse())
        return 0.5 * left->impulseResponse()->delay;
    return 0.5 * phaseDelay(measured.s21(), measured.frequencies());
}

bool TransmissionProcess::storeFixtureHalves(HalfParameters leftHalf, HalfParameters rightHalf)
{
    bool stored = true;
    // The halves' vectors move into the ports' sets: copies of sets this size cost more
    // than forming them.
    for (auto [port, half] : {std::pair{left, &leftHalf}, std::pair{right, &rightHalf}}) {
        SParametersTwoPort set;
        set.setFrequencies(measured.frequencies());
        set.s11() = std::move((*half)[0]);
        set.s12() = std::move((*half)[1]);
        set.s21() = std::move((*half)[2]);
        set.s22() = std::move((*half)[3]);
        stored = port->setCalculatedData(std::move(set)) && stored;
    }
    return stored;
}

} // namespace Algorithms
