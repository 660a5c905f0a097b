#pragma once

#include "engine/transforms/GateDescription.h"

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

// Where to centre the time gate, starting from the gate description's centre c0 (the
// middle of the caller's time window). centerMode 0: from the phase at the band edge(s),
// c0 - phi / (2 pi f) with phi the residual phase of S e^(j 2 pi c0 f) wrapped to (-pi, pi]
// (c0 itself for a grid kind other than 0 and 1). centerMode 1: the delay, on a grid of
// 0.1 ps around c0 spanning about one natural time step, at which the gate-weighted sum of
// the time response's magnitude is smallest. Empty for any other mode, when |S| != |f| or
// when the grid cannot be transformed.
std::optional<double> findGateCenter(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                     int centerMode, const GateDescription& gate, int kind);

// S gated in the time domain by the gate description (the gate's Kaiser-windowed kernel
// applied to the response shifted by the gate centre), back on the N points of f. Empty when
// |S| != |f|, the grid cannot be transformed or the spectrum is not finite.
std::vector<std::complex<double>> applyTimeGate(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                                int kind, const GateDescription& gate);

} // namespace Algorithms
