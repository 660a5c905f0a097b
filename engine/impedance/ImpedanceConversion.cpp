#include "engine/impedance/ImpedanceConversion.h"

#include "engine/transforms/ComplexArithmetic.h"
#include "engine/vectors/VectorChecks.h"

#include <cmath>

namespace Algorithms {

namespace {

// A reference impedance must be a finite resistance: zero, negative or
// non-finite ones make the scaling factors below infinite or imaginary.
bool isReferenceImpedance(double z)
{
    return isFiniteValue(z) && z > 0.0;
}

bool isFiniteMatrix(const ComplexMatrix2x2& m)
{
    for (int i = 0; i < 4; ++i) {
        if (!isFiniteComplex(m.data()[i]))
            return false;
    }
    return true;
}

// Maps the waves of a port referred to impedance `from` to those referred to `to`.
RealMatrix2x2 portScaling(double from, double to, double sign)
{
    const double k = 1.0 / (2.0 * std::sqrt(from * to));
    RealMatrix2x2 q;
    q << from + to, sign * (from - to), sign * (from - to), from + to;
    return k * q;
}

ComplexMatrix2x2 convertThroughTransfer(const ComplexMatrix2x2& s, double a0, double a1, double b0,
                                        double b1)
{
    const RealMatrix2x2 q1 = portScaling(a0, b0, 1.0);
    const RealMatrix2x2 q2 = portScaling(a1, b1, -1.0);
    return transferToScattering(mixedProduct2x2(q1, scatteringToTransfer(s), q2));
}

ComplexMatrix2x2 convertThroughReflections(const ComplexMatrix2x2& s, double a0, double a1, double b0,
                                           double b1)
{
    const double gamma1 = (b0 - a0) / (a0 + b0);
    const double gamma2 = (b1 - a1) / (a1 + b1);
    // For real impedances the phase factor (1 - G) / |1 - G| of the general
    // complex form is 1.
    const double c1 = std::sqrt(1.0 - gamma1 * gamma1);
    const double c2 = std::sqrt(1.0 - gamma2 * gamma2);
    const RealMatrix2x2 r = (RealMatrix2x2() << gamma1, 0.0, 0.0, gamma2).finished();
    const RealMatrix2x2 c = (RealMatrix2x2() << c1, 0.0, 0.0, c2).finished();

    // C^-1 (S - R) (I - R S)^-1 C: the inverse factor belongs on the right of (S - R).
    const ComplexMatrix2x2 l = inverse2x2Real(c).cast<std::complex<double>>()
                               * (s - r.cast<std::complex<double>>());
    const ComplexMatrix2x2 m = subtractProductInverse2x2(RealMatrix2x2::Identity(), r, s);
    return mixedProduct2x2b(l, m, c);
}

bool isConvertible(const ComplexMatrix2x2& s, const std::vector<double>& from, const std::vector<double>& to)
{
    return from.size() >= 2 && to.size() >= 2 && isReferenceImpedance(from[0]) && isReferenceImpedance(from[1])
           && isReferenceImpedance(to[0]) && isReferenceImpedance(to[1]) && isFiniteMatrix(s);
}

} // namespace

ComplexMatrixPair convertImpedance2x2(const ComplexMatrix2x2& s, const std::vector<double>& from,
                                      const std::vector<double>& to)
{
    if (!isConvertible(s, from, to))
        return zeroMatrixPair();
    return {convertThroughTransfer(s, from[0], from[1], to[0], to[1]),
            convertThroughReflections(s, from[0], from[1], to[0], to[1])};
}

ReferenceChange::ReferenceChange(const std::vector<double>& from, const std::vector<double>& to)
    : m_valid(from.size() >= 2 && to.size() >= 2 && isReferenceImpedance(from[0]) && isReferenceImpedance(from[1])
              && isReferenceImpedance(to[0]) && isReferenceImpedance(to[1]))
{
    if (!m_valid)
        return;
    m_gamma1 = (to[0] - from[0]) / (from[0] + to[0]);
    m_gamma2 = (to[1] - from[1]) / (from[1] + to[1]);
    m_c1c2 = std::sqrt((1.0 - m_gamma1 * m_gamma1) * (1.0 - m_gamma2 * m_gamma2));
}

ComplexMatrix2x2 ReferenceChange::operator()(const ComplexMatrix2x2& s) const
{
    // Row-major: the memory order S11, S12, S21, S22.
    ComplexMatrix2x2 converted;
    convert(s.data(), converted.data());
    return converted;
}

ComplexMatrix2x2 convertImpedanceByReflections(const ComplexMatrix2x2& s, const std::vector<double>& from,
                                               const std::vector<double>& to)
{
    return ReferenceChange(from, to)(s);
}

} // namespace Algorithms
