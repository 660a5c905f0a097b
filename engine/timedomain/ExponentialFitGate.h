#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Smooths the magnitude and the unwrapped phase of S by a least-squares fit of cubic
// B-splines whose node spacing follows tSpan (s): max(4, floor(tSpan * (band + df))) nodes.
// fitMode 0 fits freely; 1 keeps the first sample exactly. On a low-pass grid (kind 0) the
// estimated 0 Hz value is fitted as an extra first point, which is dropped from the outputs.
// The outputs receive one value per point of f; they are left empty for a fit mode other
// than 0 and 1, |S| != |f|, a low-pass grid that is not harmonic and evenly spaced, or a
// singular fit (more nodes than points).
void gateByExponentialFit(const std::vector<double>& f, const std::vector<std::complex<double>>& S, int fitMode,
                          int kind, double tSpan, std::vector<double>& magnitude, std::vector<double>& phase);

} // namespace Algorithms
