#include "simulator/measurement/Deembedding.h"

#include "simulator/measurement/MatrixInterpolation.h"
#include "simulator/measurement/Renormalization.h"

#include <Eigen/LU>

namespace Simulator {

Eigen::MatrixXcd deembedded(const Eigen::MatrixXcd& measured, const PortNetworks& networks, std::size_t point)
{
    const Eigen::Index n = measured.rows();
    Eigen::VectorXcd a = Eigen::VectorXcd::Zero(n);
    Eigen::VectorXcd b = Eigen::VectorXcd::Ones(n);
    Eigen::VectorXcd c = Eigen::VectorXcd::Ones(n);
    Eigen::VectorXcd d = Eigen::VectorXcd::Zero(n);
    for (const auto& [port, samples] : networks) {
        if (port >= n)
            continue;
        const Eigen::MatrixXcd& f = samples[point];
        a(port) = f(0, 0);
        b(port) = f(0, 1);
        c(port) = f(1, 0);
        d(port) = f(1, 1);
    }

    const Eigen::MatrixXcd x = b.cwiseInverse().asDiagonal() * (measured - Eigen::MatrixXcd(a.asDiagonal()))
        * c.cwiseInverse().asDiagonal();
    const Eigen::MatrixXcd device =
        x * (Eigen::MatrixXcd::Identity(n, n) + Eigen::MatrixXcd(d.asDiagonal()) * x).inverse();
    return device.allFinite() ? device : measured;
}

std::vector<Eigen::MatrixXcd> networkOnGrid(const TwoPortNetwork& network, const std::vector<double>& frequencies,
                                            double portImpedance)
{
    const std::vector<double> fileImpedances(2, network.referenceImpedance);
    const std::vector<double> portImpedances(2, portImpedance);
    auto result = interpolated(network.frequencies, network.sParameters, frequencies);
    for (auto& s : result)
        s = renormalized(s, fileImpedances, portImpedances);
    return result;
}

} // namespace Simulator
