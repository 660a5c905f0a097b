#pragma once

#include <Eigen/Core>
#include <QString>

#include <vector>

namespace Simulator {

// What is connected to the analyzer's ports.
class World
{
public:
    virtual ~World() = default;

    // Short name shown by the control query ("THRU", "OPEN", "SHORT", "DUT", "FILE").
    virtual QString name() const = 0;

    // The ports x ports S-matrix that the analyzer's ports see at each frequency,
    // referred to 50 ohm on every port. Ports the world does not reach see a
    // matched load.
    virtual std::vector<Eigen::MatrixXcd> sParameters(const std::vector<double>& frequencies, int ports) const = 0;
};

} // namespace Simulator
