#pragma once

#include "simulator/model/TwoPortNetwork.h"

#include <Eigen/Core>
#include <QString>

#include <optional>
#include <vector>

namespace Simulator {

// An N-port Touchstone file as the analyzer uses it: ascending frequencies, one
// N x N S-matrix per frequency, and the reference impedance (50 ohm when the file
// names none).
struct NetworkData
{
    std::vector<double> frequencies;
    std::vector<Eigen::MatrixXcd> sParameters;
    double referenceImpedance = 50.0;
    int portCount = 0;
};

// No value when the file cannot be read, holds no record, or its frequencies do not ascend.
std::optional<NetworkData> readNetworkFile(const QString& path);

// A de-embedding file: a two-port whose transmission never vanishes (it could
// not be removed otherwise).
std::optional<TwoPortNetwork> readTwoPortFile(const QString& path);

} // namespace Simulator
