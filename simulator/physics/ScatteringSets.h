#pragma once

#include "engine/sparameters/SParametersOnePort.h"
#include "engine/sparameters/SParametersTwoPort.h"
#include "simulator/physics/TwoPortAlgebra.h"

#include <functional>
#include <vector>

namespace Simulator::Physics {

// Conversions between per-frequency matrices and the engine's S-parameter sets.
Algorithms::SParametersTwoPort sampleTwoPort(const std::vector<double>& frequencies,
                                             const std::function<ScatteringMatrix(double)>& network);
Algorithms::SParametersOnePort sampleOnePort(const std::vector<double>& frequencies,
                                             const std::function<std::complex<double>(double)>& reflection);
ScatteringMatrix matrixAt(const Algorithms::SParametersTwoPort& set, std::size_t index);

} // namespace Simulator::Physics
