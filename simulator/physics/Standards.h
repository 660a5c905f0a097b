#pragma once

#include "engine/sparameters/SParametersOnePort.h"
#include "engine/sparameters/SParametersTwoPort.h"
#include "simulator/physics/LineCascade.h"

#include <complex>
#include <vector>

namespace Simulator::Physics {

// What the analyzer's ports see when fixture halves are connected as a standard.
// Both halves are described from their analyzer side: the left half's port 1 is
// analyzer port 1, the right half's port 1 is analyzer port 2.

// The two halves joined directly at their DUT sides.
Algorithms::SParametersTwoPort twoXThru(const LineCascade& left, const LineCascade& right,
                                        const std::vector<double>& frequencies, double z0 = 50.0);

// A DUT (its port 1 towards the left half) mounted between the halves.
Algorithms::SParametersTwoPort dutInFixture(const LineCascade& left, const LineCascade& dut, const LineCascade& right,
                                            const std::vector<double>& frequencies, double z0 = 50.0);

// One half with its DUT side terminated by a load of the given reflection coefficient.
Algorithms::SParametersOnePort reflectStandard(const LineCascade& half, std::complex<double> termination,
                                               const std::vector<double>& frequencies, double z0 = 50.0);
Algorithms::SParametersOnePort openStandard(const LineCascade& half, const std::vector<double>& frequencies,
                                            double z0 = 50.0);
Algorithms::SParametersOnePort shortStandard(const LineCascade& half, const std::vector<double>& frequencies,
                                             double z0 = 50.0);

} // namespace Simulator::Physics
