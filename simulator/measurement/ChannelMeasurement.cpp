#include "simulator/measurement/ChannelMeasurement.h"

#include "simulator/measurement/Deembedding.h"
#include "simulator/measurement/Renormalization.h"
#include "simulator/model/TraceParameter.h"

#include <cmath>

namespace Simulator {

namespace {

PortNetworks activeDeembedding(const AnalyzerModel& model, const ChannelSettings& channel,
                               const std::vector<double>& frequencies)
{
    PortNetworks networks;
    if (!channel.fixtureSimulator || !channel.deembedding)
        return networks;
    for (const auto& [port, entry] : channel.deembeddingPorts) {
        if (!entry.enabled || !entry.network || port < 1 || port > model.portCount)
            continue;
        const double impedance = model.portImpedances[static_cast<std::size_t>(port - 1)];
        networks.emplace(port - 1, networkOnGrid(*entry.network, frequencies, impedance));
    }
    return networks;
}

} // namespace

std::vector<Eigen::MatrixXcd> measureChannel(const AnalyzerModel& model, int channelNumber, const World& world)
{
    const std::vector<double> frequencies = model.frequencies(channelNumber);
    std::vector<Eigen::MatrixXcd> measured = world.sParameters(frequencies, model.portCount);

    const std::vector<double> worldImpedances(static_cast<std::size_t>(model.portCount), 50.0);
    for (auto& s : measured)
        s = renormalized(s, worldImpedances, model.portImpedances);

    const ChannelSettings* channel = model.findChannel(channelNumber);
    if (!channel)
        return measured;
    const PortNetworks networks = activeDeembedding(model, *channel, frequencies);
    if (networks.empty())
        return measured;
    for (std::size_t k = 0; k < measured.size(); ++k)
        measured[k] = deembedded(measured[k], networks, k);
    return measured;
}

std::optional<std::vector<std::complex<double>>> traceValues(const std::vector<Eigen::MatrixXcd>& measured,
                                                             const TraceDefinition& trace, double powerDbm,
                                                             bool outputEnabled)
{
    const auto parameter = TraceParameter::parse(trace.parameter);
    if (!parameter)
        return std::nullopt;
    const int ports = measured.empty() ? 0 : static_cast<int>(measured.front().rows());
    const int from = parameter->isSParameter() ? parameter->fromPort : trace.sourcePort;
    if (parameter->toPort > ports || from < 1 || from > ports)
        return std::nullopt;

    const Eigen::Index row = parameter->toPort - 1;
    const Eigen::Index column = from - 1;
    const double incident = outputEnabled ? std::sqrt(std::pow(10.0, powerDbm / 10.0) / 1000.0) : 0.0;
    std::vector<std::complex<double>> values;
    values.reserve(measured.size());
    for (const auto& s : measured) {
        switch (parameter->kind) {
        case TraceParameter::Kind::S:
            values.push_back(s(row, column));
            break;
        case TraceParameter::Kind::Reference: // the incident wave, at the driven port only
            values.push_back(row == column ? incident : 0.0);
            break;
        case TraceParameter::Kind::Test:
        case TraceParameter::Kind::Voltage:
            values.push_back(s(row, column) * incident);
            break;
        }
    }
    return values;
}

} // namespace Simulator
