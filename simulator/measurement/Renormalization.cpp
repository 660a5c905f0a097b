#include "simulator/measurement/Renormalization.h"

#include <Eigen/LU>

#include <cmath>

namespace Simulator {

Eigen::MatrixXcd renormalized(const Eigen::MatrixXcd& s, const std::vector<double>& oldImpedances,
                              const std::vector<double>& newImpedances)
{
    const Eigen::Index n = s.rows();
    Eigen::VectorXcd gamma(n);
    Eigen::VectorXcd scale(n);
    bool unchanged = true;
    for (Eigen::Index i = 0; i < n; ++i) {
        const double oldZ = oldImpedances[static_cast<std::size_t>(i)];
        const double newZ = newImpedances[static_cast<std::size_t>(i)];
        gamma(i) = (newZ - oldZ) / (newZ + oldZ);
        scale(i) = std::sqrt(1.0 - std::norm(gamma(i)));
        unchanged = unchanged && oldZ == newZ;
    }
    if (unchanged)
        return s;

    const Eigen::MatrixXcd g = gamma.asDiagonal();
    const Eigen::MatrixXcd identity = Eigen::MatrixXcd::Identity(n, n);
    const Eigen::MatrixXcd inner = (s - g) * (identity - g * s).inverse();
    return scale.cwiseInverse().asDiagonal() * inner * scale.asDiagonal();
}

} // namespace Simulator
