#pragma once

#include "simulator/files/NetworkFile.h"
#include "simulator/world/World.h"

namespace Simulator {

// An N-port Touchstone file served as the world: file port i is analyzer port i.
// Values between the file's frequencies are interpolated (real and imaginary parts
// linearly), the end values are held outside its range; the file's reference
// impedance is turned into the world's 50 ohm.
class TouchstoneWorld : public World
{
public:
    explicit TouchstoneWorld(NetworkData network);

    QString name() const override { return "FILE"; }
    std::vector<Eigen::MatrixXcd> sParameters(const std::vector<double>& frequencies, int ports) const override;

private:
    NetworkData m_network;
};

} // namespace Simulator
