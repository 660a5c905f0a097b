#pragma once

#include <Eigen/Core>

#include <vector>

namespace Simulator {

// The same network referred to other real port impedances (power waves):
// S' = A^-1 (S - G) (I - G S)^-1 A with G = diag((new - old) / (new + old)) and
// A = diag(sqrt(1 - G^2)).
Eigen::MatrixXcd renormalized(const Eigen::MatrixXcd& s, const std::vector<double>& oldImpedances,
                              const std::vector<double>& newImpedances);

} // namespace Simulator
