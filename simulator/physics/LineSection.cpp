#include "simulator/physics/LineSection.h"

#include <cmath>

namespace Simulator::Physics {

std::complex<double> LineSection::propagation(double frequency) const
{
    const double nepers = lossDbPerGHz * (frequency / 1e9) / (20.0 / std::log(10.0));
    return {nepers, 2.0 * M_PI * frequency * delay};
}

Eigen::Matrix2cd LineSection::chainMatrix(double frequency) const
{
    const std::complex<double> gl = propagation(frequency);
    const std::complex<double> c = std::cosh(gl);
    const std::complex<double> s = std::sinh(gl);
    Eigen::Matrix2cd m;
    m << c, impedance * s, s / impedance, c;
    return m;
}

} // namespace Simulator::Physics
