#include "simulator/files/NetworkFile.h"

#include "analyzer/files/TouchstoneIO.h"

#include <cmath>

namespace Simulator {

std::optional<NetworkData> readNetworkFile(const QString& path)
{
    const auto data = TouchstoneIO().read(path);
    if (!data || data->records.empty())
        return std::nullopt;

    NetworkData network;
    network.portCount = static_cast<int>(data->records.front().N);
    network.referenceImpedance = data->R > 0.0 ? data->R : 50.0;
    for (const TouchstoneRecord& record : data->records) {
        const auto n = static_cast<int>(record.N);
        if (n != network.portCount || n == 0)
            return std::nullopt;
        if (!network.frequencies.empty() && record.frequency <= network.frequencies.back())
            return std::nullopt;
        Eigen::MatrixXcd s(n, n);
        for (int row = 0; row < n; ++row) {
            for (int column = 0; column < n; ++column)
                s(row, column) = record.values[static_cast<std::size_t>(row * n + column)];
        }
        network.frequencies.push_back(record.frequency);
        network.sParameters.push_back(s);
    }
    return network;
}

std::optional<TwoPortNetwork> readTwoPortFile(const QString& path)
{
    const auto data = readNetworkFile(path);
    if (!data || data->portCount != 2)
        return std::nullopt;

    TwoPortNetwork network;
    network.frequencies = data->frequencies;
    network.referenceImpedance = data->referenceImpedance;
    network.sParameters = data->sParameters;
    for (const auto& s : network.sParameters) {
        if (std::abs(s(0, 1)) < 1e-12 || std::abs(s(1, 0)) < 1e-12)
            return std::nullopt;
    }
    return network;
}

} // namespace Simulator
