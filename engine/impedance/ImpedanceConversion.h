#pragma once

#include "engine/impedance/Matrix2x2.h"

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

private:
    bool m_valid;
    double m_gamma1 = 0.0;
    double m_gamma2 = 0.0;
    double m_c1c2 = 0.0;
};

} // namespace Algorithms
