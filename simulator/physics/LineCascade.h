#pragma once

#include "engine/sparameters/SParametersTwoPort.h"
#include "simulator/physics/LineSection.h"
#include "simulator/physics/TwoPortAlgebra.h"

#include <vector>

namespace Simulator::Physics {

// Line sections in cascade, port 1 first. A fixture half is described from its
// analyzer side (port 1) to its DUT side (port 2); impedance steps sit between
// sections of different impedance.
class LineCascade
{
public:
    LineCascade() = default;
    explicit LineCascade(std::vector<LineSection> sections);

    const std::vector<LineSection>& sections() const { return m_sections; }
    double totalDelay() const;
    // The same sections in the opposite order (the half seen from its DUT side).
    LineCascade reversed() const;

    ScatteringMatrix scatteringAt(double frequency, double z0 = 50.0) const;
    Algorithms::SParametersTwoPort sParameters(const std::vector<double>& frequencies, double z0 = 50.0) const;

private:
    std::vector<LineSection> m_sections;
};

} // namespace Simulator::Physics
