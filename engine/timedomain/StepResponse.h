#pragma once

#include <complex>
#include <vector>

namespace Algorithms {

// Three vectors of L = 2N + 1 values: the step response (reflection level), the impedance
// profile (ohm) and the time axis (s).
struct StepResponseResult
{
    std::vector<double> stepResponse;
    std::vector<double> impedanceProfile;
    std::vector<double> times;
};

// The step response of the reflection S on the harmonic grid f (after a 0 Hz point or not):
// the integrated, Kaiser-windowed spectrum transformed to L times (tStart ... tStop when
// tStart < tStop, otherwise the natural axis), levelled so that its mean over the reference window refStart ...
// refStop is 0, and the impedance profile Z0 (1 + rho) / (1 - rho) derived from it.
// Empty when |S| != |f|, the grid is not harmonic and evenly spaced, or the reference window
// is empty (refStart >= refStop). Non-finite input gives non-finite values.
StepResponseResult computeStepResponse(const std::vector<std::complex<double>>& S, const std::vector<double>& f,
                                 double tStart, double tStop, double beta, double refStart, double refStop, double Z0);

} // namespace Algorithms
