#pragma once

#include <vector>

namespace Algorithms {

class ProcessInputParameters;

// Writes the grid-dependent time-domain parameters back at the start of a run:
// rise time from the top frequency, gating and pulse mode from the grid kind,
// the start of the time window from the frequency step and, outside the test
// mode, the rise-time multiple for that grid kind. False when the grid is unusable.
bool loadGridParameters(ProcessInputParameters& parameters, const std::vector<double>& frequencies,
                        int lowPassRiseTimes, int bandPassRiseTimes);

} // namespace Algorithms
