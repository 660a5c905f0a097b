#pragma once

#include <Eigen/Core>

#include <vector>

namespace Simulator {

// A sampled two-port (a de-embedding file as the analyzer holds it): port 1
// faces the analyzer, port 2 the device.
struct TwoPortNetwork
{
    std::vector<double> frequencies;            // Hz, ascending
    std::vector<Eigen::MatrixXcd> sParameters; // 2 x 2 each
    double referenceImpedance = 50.0;           // ohm

    bool operator==(const TwoPortNetwork& other) const
    {
        return frequencies == other.frequencies && sParameters == other.sParameters
            && referenceImpedance == other.referenceImpedance;
    }
};

} // namespace Simulator
