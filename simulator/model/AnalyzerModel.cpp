#include "simulator/model/AnalyzerModel.h"

#include <algorithm>
#include <cmath>

namespace Simulator {

bool Calibration::operator==(const Calibration& other) const
{
    return type == other.type && ports == other.ports && sweepType == other.sweepType
        && startFrequency == other.startFrequency && stopFrequency == other.stopFrequency && points == other.points;
}

bool TraceDefinition::operator==(const TraceDefinition& other) const
{
    return parameter == other.parameter && sourcePort == other.sourcePort && format == other.format;
}

bool PortDeembedding::operator==(const PortDeembedding& other) const
{
    return enabled == other.enabled && fileName == other.fileName && network == other.network;
}

bool ChannelSettings::operator==(const ChannelSettings& other) const
{
    return sweepType == other.sweepType && startFrequency == other.startFrequency
        && stopFrequency == other.stopFrequency && points == other.points && ifBandwidth == other.ifBandwidth
        && power == other.power && continuous == other.continuous && layout == other.layout
        && traces == other.traces && calibration == other.calibration && fixtureSimulator == other.fixtureSimulator
        && deembedding == other.deembedding && deembeddingPorts == other.deembeddingPorts;
}

bool AnalyzerModel::operator==(const AnalyzerModel& other) const
{
    return portCount == other.portCount && minFrequency == other.minFrequency && maxFrequency == other.maxFrequency
        && identification.manufacturer == other.identification.manufacturer
        && identification.model == other.identification.model
        && identification.serialNumber == other.identification.serialNumber
        && identification.version == other.identification.version && ready == other.ready
        && activeChannel == other.activeChannel && portImpedances == other.portImpedances
        && outputEnabled == other.outputEnabled && windowShown == other.windowShown
        && triggerSource == other.triggerSource && saveType == other.saveType && channels == other.channels;
}

AnalyzerModel::AnalyzerModel(int ports)
    : portCount(std::clamp(ports, 1, maxPorts))
{
    preset();
    calibrateAllPorts(1);
}

ChannelSettings AnalyzerModel::presetChannel() const
{
    ChannelSettings settings;
    settings.startFrequency = minFrequency;
    settings.stopFrequency = maxFrequency;
    return settings;
}

void AnalyzerModel::preset()
{
    activeChannel = 1;
    portImpedances.assign(static_cast<std::size_t>(portCount), 50.0);
    outputEnabled = true;
    triggerSource = "INT";
    channels.clear();
    channels.emplace(1, presetChannel());
}

ChannelSettings& AnalyzerModel::channel(int number)
{
    auto found = channels.find(number);
    if (found == channels.end())
        found = channels.emplace(number, presetChannel()).first;
    return found->second;
}

const ChannelSettings* AnalyzerModel::findChannel(int number) const
{
    const auto found = channels.find(number);
    return found == channels.end() ? nullptr : &found->second;
}

void AnalyzerModel::setPortCount(int count)
{
    portCount = std::clamp(count, 1, maxPorts);
    portImpedances.resize(static_cast<std::size_t>(portCount), 50.0);
}

void AnalyzerModel::calibrateAllPorts(int channelNumber)
{
    ChannelSettings& settings = channel(channelNumber);
    Calibration calibration;
    calibration.type = QString("SOLT%1").arg(std::min(portCount, 4));
    for (int port = 1; port <= portCount; ++port)
        calibration.ports.push_back(port);
    calibration.sweepType = settings.sweepType;
    calibration.startFrequency = settings.startFrequency;
    calibration.stopFrequency = settings.stopFrequency;
    calibration.points = settings.points;
    settings.calibration = calibration;
}

std::vector<double> AnalyzerModel::frequencies(int channelNumber) const
{
    const ChannelSettings* settings = findChannel(channelNumber);
    const ChannelSettings preset = presetChannel();
    const ChannelSettings& sweep = settings ? *settings : preset;

    const auto count = static_cast<std::size_t>(std::max(sweep.points, 1));
    std::vector<double> grid(count, sweep.startFrequency);
    if (count == 1)
        return grid;
    const double last = static_cast<double>(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        const double fraction = static_cast<double>(i) / last;
        switch (sweep.sweepType) {
        case SweepType::Logarithmic:
            grid[i] = sweep.startFrequency * std::pow(sweep.stopFrequency / sweep.startFrequency, fraction);
            break;
        case SweepType::Power: // a power sweep stays at the start frequency
            break;
        case SweepType::Linear:
        case SweepType::Segment: // without a segment table the segment sweep is linear
            grid[i] = sweep.startFrequency + (sweep.stopFrequency - sweep.startFrequency) * fraction;
            break;
        }
    }
    return grid;
}

QString AnalyzerModel::correctionStatus(int channelNumber) const
{
    const ChannelSettings* settings = findChannel(channelNumber);
    if (!settings || !settings->calibration.isActive())
        return "NONE";
    const Calibration& calibration = settings->calibration;
    const double tolerance = 1e-9 * calibration.stopFrequency;
    if (settings->sweepType != calibration.sweepType
        || settings->startFrequency < calibration.startFrequency - tolerance
        || settings->stopFrequency > calibration.stopFrequency + tolerance)
        return "C!";
    if (std::abs(settings->startFrequency - calibration.startFrequency) > tolerance
        || std::abs(settings->stopFrequency - calibration.stopFrequency) > tolerance
        || settings->points != calibration.points)
        return "C?";
    return "C";
}

void AnalyzerModel::setStartFrequency(int channelNumber, double frequency)
{
    ChannelSettings& settings = channel(channelNumber);
    settings.startFrequency = std::clamp(frequency, minFrequency, maxFrequency);
    settings.stopFrequency = std::max(settings.stopFrequency, settings.startFrequency);
}

void AnalyzerModel::setStopFrequency(int channelNumber, double frequency)
{
    ChannelSettings& settings = channel(channelNumber);
    settings.stopFrequency = std::clamp(frequency, minFrequency, maxFrequency);
    settings.startFrequency = std::min(settings.startFrequency, settings.stopFrequency);
}

} // namespace Simulator
