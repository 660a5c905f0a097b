#pragma once

#include "engine/impedance/Matrix2x2.h"

#include <optimization.h>

namespace Algorithms {

// Splits a measured 2x-thru point into two reciprocal halves that share one
// transmission t: half A = [a1, t; t, a2] at port 1 and half B = [b1, t; t, b2] at
// port 2, fitted by Levenberg-Marquardt so that A cascaded with B reproduces
// S11, S22 and the mean of S12 and S21. Returns (half B, half A).
// A thru that is not finite, or a fit that fails or does not reproduce the thru,
// gives two matrices of NaN, so that the caller's finiteness test refuses the point.
// Thread-safe: each thread fits with its own optimiser state.
ComplexMatrixPair solveBisectionFit(const ComplexMatrix2x2& thru);

// The fit's residuals for minlmoptimize: x holds Re/Im of t, a1, a2, b1, b2; ptr
// points to six doubles Re T0, Re T1, Re T2, Im T0, Im T1, Im T2 (T0 = S11,
// T1 = S22, T2 = (S12 + S21) / 2); writes the six differences cascade - target.
void bisectionResiduals(const alglib::real_1d_array& x, alglib::real_1d_array& fi, void* ptr);

} // namespace Algorithms
