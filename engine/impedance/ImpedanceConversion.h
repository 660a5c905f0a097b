#pragma once

#include "engine/impedance/Matrix2x2.h"
#include "engine/transforms/ComplexArithmetic.h"

#include <cmath>
#include <complex>
#include <vector>

namespace Algorithms {

// Renormalises one two-port point s, referred to the real port impedances
// from = [port 1, port 2] (ohms), to the real port impedances to. Two independent
// formulations, through transfer matrices (first) and through the reflection
// coefficients of the reference change (second); callers keep the one they need.
// Impedances that are not finite and positive, or a non-finite s, give
// zeroMatrixPair(). An s with S12 = 0 has no transfer matrix: the first result is
// then not finite.
ComplexMatrixPair convertImpedance2x2(const ComplexMatrix2x2& s, const std::vector<double>& from,
                                      const std::vector<double>& to);

// The second result of convertImpedance2x2 alone, to rounding (the all-zero matrix where
// that gives the zero pair), for callers that convert whole sets: it skips the transfer
// form and evaluates the reflection form in closed form.
ComplexMatrix2x2 convertImpedanceByReflections(const ComplexMatrix2x2& s, const std::vector<double>& from,
                                               const std::vector<double>& to);

// convertImpedanceByReflections from one pair of references to another, set up once for
// the points of a whole set.
class ReferenceChange
{
public:
    ReferenceChange(const std::vector<double>& from, const std::vector<double>& to);
    ComplexMatrix2x2 operator()(const ComplexMatrix2x2& s) const;
    // The same for the point s = [S11, S12, S21, S22], written to converted in that order.
    // Inline: whole sets are converted point by point, and a call per point through a
    // matrix in memory costs more than the arithmetic.
    void convert(const std::complex<double>* s, std::complex<double>* converted) const;

private:
    bool m_valid;
    double m_gamma1 = 0.0;
    double m_gamma2 = 0.0;
    double m_c1c2 = 0.0;
};

// C^-1 (S - R) (I - R S)^-1 C written out for the diagonal R and C; the all-zero point for
// invalid references or a point that is not finite.
inline void ReferenceChange::convert(const std::complex<double>* s, std::complex<double>* converted) const
{
    bool finite = m_valid;
    for (int k = 0; k < 4; ++k)
        finite = finite && std::isfinite(s[k].real()) && std::isfinite(s[k].imag());
    if (!finite) {
        for (int k = 0; k < 4; ++k)
            converted[k] = 0.0;
        return;
    }
    const std::complex<double> s11 = s[0], s12 = s[1], s21 = s[2], s22 = s[3];
    const std::complex<double> through = plainProduct(s12, s21);
    const std::complex<double> first = 1.0 - m_gamma1 * s11;
    const std::complex<double> second = 1.0 - m_gamma2 * s22;
    const std::complex<double> determinant = plainProduct(first, second) - m_gamma1 * m_gamma2 * through;
    // 1 / determinant, with one division; a zero one gives non-finite entries, which the
    // callers test. The squared magnitude is formed directly: std::norm goes through hypot.
    const double reciprocal =
        1.0 / (determinant.real() * determinant.real() + determinant.imag() * determinant.imag());
    const std::complex<double> inverse(determinant.real() * reciprocal, -determinant.imag() * reciprocal);
    converted[0] = plainProduct(plainProduct(s11 - m_gamma1, second) + m_gamma2 * through, inverse);
    converted[1] = m_c1c2 * plainProduct(s12, inverse);
    converted[2] = m_c1c2 * plainProduct(s21, inverse);
    converted[3] = plainProduct(plainProduct(s22 - m_gamma2, first) + m_gamma1 * through, inverse);
}

} // namespace Algorithms
