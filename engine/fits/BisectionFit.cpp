#include "engine/fits/BisectionFit.h"

#include "engine/vectors/VectorChecks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>

namespace Algorithms {

namespace {

using Complex = std::complex<double>;

constexpr int unknownCount = 10;
constexpr int residualCount = 6;
constexpr double differentiationStep = 1e-4;
constexpr double stepTolerance = 1e-10;
// Passive thrus converge within about a dozen iterations; without a limit the
// optimiser can crawl for ever on data far outside that range, and such a point
// would hang the calculation with no chance to cancel it.
constexpr alglib::ae_int_t iterationLimit = 200;
// The system is underdetermined (ten unknowns, six equations) and always has an
// exact solution, so a converged fit reproduces the thru to about 1e-10; a larger
// misfit (relative to the value, for values above 1) means the optimiser stopped
// somewhere useless.
constexpr double acceptedMisfit = 1e-7;

struct Halves
{
    Complex t, a1, a2, b1, b2;
};

Halves halvesOf(const double* x)
{
    return {{x[0], x[1]}, {x[2], x[3]}, {x[4], x[5]}, {x[6], x[7]}, {x[8], x[9]}};
}

// N / D formed as N conj(D) / |D|^2.
Complex divide(Complex n, Complex d)
{
    const double magnitude2 = d.real() * d.real() + d.imag() * d.imag();
    return n * std::conj(d) / magnitude2;
}

// S11, S22 and S21 (= S12) of half A followed by half B.
std::array<Complex, 3> cascadeOf(const Halves& h)
{
    const Complex d = 1.0 - h.a2 * h.b1;
    const Complex t2 = h.t * h.t;
    return {h.a1 + divide(t2 * h.b1, d), h.b2 + divide(t2 * h.a2, d), divide(t2, d)};
}

ComplexMatrixPair nanMatrixPair()
{
    const Complex nan(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN());
    return {ComplexMatrix2x2::Constant(nan), ComplexMatrix2x2::Constant(nan)};
}

bool isFiniteMatrix(const ComplexMatrix2x2& m)
{
    for (int i = 0; i < 4; ++i) {
        if (!isFiniteComplex(m.data()[i]))
            return false;
    }
    return true;
}

// Creating the optimiser's state costs as much as a whole fit, so each thread keeps
// one and restarts it from every new start vector; the results are the same bit
// for bit as with a fresh state.
class ThreadFitState
{
public:
    alglib::minlmstate& startFrom(const alglib::real_1d_array& x)
    {
        if (m_created) {
            alglib::minlmrestartfrom(m_state, x);
        } else {
            alglib::minlmcreatev(residualCount, x, differentiationStep, m_state);
            alglib::minlmsetcond(m_state, stepTolerance, iterationLimit);
            m_created = true;
        }
        return m_state;
    }
    // After a failure inside the optimiser the next fit starts with a new state.
    void discard() { m_created = false; }

private:
    alglib::minlmstate m_state;
    bool m_created = false;
};

ComplexMatrix2x2 halfMatrix(Complex outer, Complex transmission, Complex inner)
{
    ComplexMatrix2x2 m;
    m << outer, transmission, transmission, inner;
    return m;
}

} // namespace

void bisectionResiduals(const alglib::real_1d_array& x, alglib::real_1d_array& fi, void* ptr)
{
    const double* targets = static_cast<const double*>(ptr);
    const std::array<Complex, 3> cascade = cascadeOf(halvesOf(x.getcontent()));
    for (int k = 0; k < 3; ++k) {
        fi[2 * k] = cascade[k].real() - targets[k];
        fi[2 * k + 1] = cascade[k].imag() - targets[3 + k];
    }
}

ComplexMatrixPair solveBisectionFit(const ComplexMatrix2x2& thru)
{
    if (!isFiniteMatrix(thru))
        return nanMatrixPair();

    const Complex meanTransmission = (thru(0, 1) + thru(1, 0)) / 2.0;
    std::array<double, residualCount> targets = {thru(0, 0).real(), thru(1, 1).real(), meanTransmission.real(),
                                                 thru(0, 0).imag(), thru(1, 1).imag(), meanTransmission.imag()};

    // Start from a reflectionless split: t = sqrt of the thru's transmission.
    const Complex t0 = std::sqrt(meanTransmission);
    std::array<double, unknownCount> start = {t0.real(), t0.imag()};

    thread_local ThreadFitState fitState;
    alglib::real_1d_array x;
    alglib::minlmreport report;
    try {
        x.setcontent(unknownCount, start.data());
        alglib::minlmstate& state = fitState.startFrom(x);
        alglib::minlmoptimize(state, bisectionResiduals, nullptr, targets.data());
        alglib::minlmresults(state, x, report);
    } catch (const alglib::ap_error&) {
        fitState.discard();
        return nanMatrixPair();
    }
    if (report.terminationtype <= 0)
        return nanMatrixPair();

    const Halves h = halvesOf(x.getcontent());
    const std::array<Complex, 3> cascade = cascadeOf(h);
    const std::array<Complex, 3> measured = {thru(0, 0), thru(1, 1), meanTransmission};
    for (int k = 0; k < 3; ++k) {
        if (!(std::abs(cascade[k] - measured[k]) <= acceptedMisfit * std::max(1.0, std::abs(measured[k]))))
            return nanMatrixPair();
    }
    return {halfMatrix(h.b1, h.t, h.b2), halfMatrix(h.a1, h.t, h.a2)};
}

} // namespace Algorithms
