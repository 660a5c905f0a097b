#pragma once

#include <vector>

namespace Algorithms::ReflectData {

// Impedance profile of a fixture half and the impedance read from it.
struct StepResponse
{
    std::vector<double> values; // ohm, the impedance profile
    std::vector<double> times;  // s
    double position = 0.0;      // s, where the impedance was read
    double impedance = 0.0;     // ohm

    // Finite, equally long vectors of at least 3 points, finite scalars; logs when not.
    bool isValid() const;
};

} // namespace Algorithms::ReflectData
