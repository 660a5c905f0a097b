#include "engine/impedance/Matrix2x2.h"

namespace Algorithms {

ComplexMatrix2x2 inverse2x2Complex(const ComplexMatrix2x2& m)
{
    return m.inverse();
}

RealMatrix2x2 inverse2x2Real(const RealMatrix2x2& m)
{
    return m.inverse();
}

ComplexMatrix2x2 subtractProductInverse2x2(const RealMatrix2x2& a, const RealMatrix2x2& b,
                                           const ComplexMatrix2x2& c)
{
    const ComplexMatrix2x2 difference = a.cast<std::complex<double>>() - b.cast<std::complex<double>>() * c;
    return inverse2x2Complex(difference);
}

ComplexMatrix2x2 mixedProduct2x2(const RealMatrix2x2& left, const ComplexMatrix2x2& m,
                                 const RealMatrix2x2& right)
{
    return left.cast<std::complex<double>>() * m * right.cast<std::complex<double>>();
}

ComplexMatrix2x2 mixedProduct2x2b(const ComplexMatrix2x2& l, const ComplexMatrix2x2& m,
                                  const RealMatrix2x2& right)
{
    return l * m * right.cast<std::complex<double>>();
}

// The transfer matrix is taken through S12 and rebuilt so that S12 = 1 / T(1,1):
// the two conversions are exact inverses of each other.
ComplexMatrix2x2 scatteringToTransfer(const ComplexMatrix2x2& s)
{
    const std::complex<double> s11 = s(0, 0), s12 = s(0, 1), s21 = s(1, 0), s22 = s(1, 1);
    ComplexMatrix2x2 t;
    t(0, 0) = -(s11 * s22 - s12 * s21) / s12;
    t(0, 1) = s11 / s12;
    t(1, 0) = -s22 / s12;
    t(1, 1) = 1.0 / s12;
    return t;
}

ComplexMatrix2x2 transferToScattering(const ComplexMatrix2x2& t)
{
    const std::complex<double> t00 = t(0, 0), t01 = t(0, 1), t10 = t(1, 0), t11 = t(1, 1);
    ComplexMatrix2x2 s;
    s(0, 0) = t01 / t11;
    s(0, 1) = 1.0 / t11;
    s(1, 0) = (t00 * t11 - t10 * t01) / t11;
    s(1, 1) = -t10 / t11;
    return s;
}

ComplexMatrixPair zeroMatrixPair()
{
    return {ComplexMatrix2x2::Zero(), ComplexMatrix2x2::Zero()};
}

} // namespace Algorithms
