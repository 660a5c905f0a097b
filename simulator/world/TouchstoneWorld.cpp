#include "simulator/world/TouchstoneWorld.h"

#include "simulator/measurement/MatrixInterpolation.h"
#include "simulator/measurement/Renormalization.h"

#include <algorithm>

namespace Simulator {

TouchstoneWorld::TouchstoneWorld(NetworkData network)
    : m_network(std::move(network))
{
}

std::vector<Eigen::MatrixXcd> TouchstoneWorld::sParameters(const std::vector<double>& frequencies, int ports) const
{
    const int shared = std::min(ports, m_network.portCount);
    const auto onGrid = interpolated(m_network.frequencies, m_network.sParameters, frequencies);
    std::vector<Eigen::MatrixXcd> result(frequencies.size(), Eigen::MatrixXcd::Zero(ports, ports));
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        result[k].topLeftCorner(shared, shared) = onGrid[k].topLeftCorner(shared, shared);
    // The file's ports referred to 50 ohm; ports beyond the file stay matched.
    std::vector<double> fileImpedances(static_cast<std::size_t>(ports), 50.0);
    std::fill_n(fileImpedances.begin(), shared, m_network.referenceImpedance);
    const std::vector<double> worldImpedances(static_cast<std::size_t>(ports), 50.0);
    for (auto& s : result)
        s = renormalized(s, fileImpedances, worldImpedances);
    return result;
}

} // namespace Simulator
