#pragma once

#include "engine/port/Gating.h"
#include "engine/port/ImpulseResponse.h"

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

class IProcessMethod;

// The response's peak found by a coarse pass over the natural time axis and refined
// by a fine pass of +-nRiseTime rise times around it. Failures are reported through
// the process's error().
std::optional<ImpulseResponse> checkImpulseResponse(IProcessMethod& reporter,
                                                    const std::vector<std::complex<double>>& values,
                                                    const std::vector<double>& frequencies, int nRiseTime,
                                                    double riseTime, int pulseMode);

// A reflection's time-domain response from timeMin to twice the delay, with its
// magnitude at the delay; empty when the transform fails.
std::optional<Gating> calculateImpulseResponseStage(const std::vector<std::complex<double>>& values,
                                                    const std::vector<double>& frequencies, double delay,
                                                    double timeMin, int pulseMode);

} // namespace Algorithms
