#include "engine/processes/stages/GridParameters.h"

#include "engine/parameters/ProcessInputParameters.h"
#include "engine/transforms/FrequencyGrid.h"

#include <algorithm>

namespace Algorithms {

bool loadGridParameters(ProcessInputParameters& parameters, const std::vector<double>& f, int lowPassRiseTimes,
                        int bandPassRiseTimes)
{
    const std::optional<bool> bandPass = isBandPassGrid(f);
    if (!bandPass)
        return false;
    parameters.setRiseTime(parameters.normalizingValue() / *std::max_element(f.begin(), f.end()));
    parameters.setGatingMode(*bandPass ? 1 : 0);
    parameters.setPulseMode(*bandPass ? 1 : 0);
    parameters.setStartZero(-0.5 / (f[1] - f[0]));
    if (!parameters.isTestMode())
        parameters.setNRiseTime(*bandPass ? bandPassRiseTimes : lowPassRiseTimes);
    return true;
}

} // namespace Algorithms
