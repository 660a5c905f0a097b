#pragma once

#include "simulator/model/TwoPortNetwork.h"

#include <Eigen/Core>

#include <map>
#include <vector>

namespace Simulator {

// Two-ports (port 1 at the analyzer, port 2 at the device) to remove from the
// measurement, by 0-based analyzer port, each already on the measurement's grid
// and referred to its port's impedance.
using PortNetworks = std::map<int, std::vector<Eigen::MatrixXcd>>;

// The device behind the fixtures: with F_p = [[a, b], [c, d]] at port p and
// A..D their diagonal matrices (a through-connection at ports without one),
// measured = A + B S (I - D S)^-1 C, so S = X (I + D X)^-1 with
// X = B^-1 (measured - A) C^-1. A point where that is singular stays as measured.
Eigen::MatrixXcd deembedded(const Eigen::MatrixXcd& measured, const PortNetworks& networks, std::size_t point);

// The network on another grid (real and imaginary parts interpolated linearly, the
// end values held outside it) and referred to portImpedance on both ports.
std::vector<Eigen::MatrixXcd> networkOnGrid(const TwoPortNetwork& network, const std::vector<double>& frequencies,
                                            double portImpedance);

} // namespace Simulator
