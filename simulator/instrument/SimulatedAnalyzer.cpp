#include "simulator/instrument/SimulatedAnalyzer.h"

#include "simulator/measurement/ChannelMeasurement.h"

#include <algorithm>

namespace Simulator {

SimulatedAnalyzer::SimulatedAnalyzer(int portCount, std::shared_ptr<const World> world, QObject* parent)
    : QObject(parent)
    , m_model(portCount)
    , m_world(std::move(world))
    , m_sweepTimer(this)
{
    m_sweepTimer.setSingleShot(true);
    connect(&m_sweepTimer, &QTimer::timeout, this, &SimulatedAnalyzer::finishSweep);
}

void SimulatedAnalyzer::setWorld(std::shared_ptr<const World> world)
{
    m_world = std::move(world);
}

void SimulatedAnalyzer::setSweepTimeMs(int milliseconds)
{
    m_sweepTimeMs = std::max(milliseconds, 0);
}

void SimulatedAnalyzer::initiate(int channelNumber)
{
    m_armed.insert(channelNumber);
    if (m_model.triggerSource == "INT")
        trigger();
}

void SimulatedAnalyzer::trigger()
{
    if (isSweeping())
        return;
    m_sweeping = m_armed.empty() ? std::set<int>{m_model.activeChannel} : m_armed;
    m_armed.clear();
    m_sweepTimer.start(m_sweepTimeMs * static_cast<int>(m_sweeping.size()));
    emit sweepStarted();
}

void SimulatedAnalyzer::abort()
{
    m_armed.clear();
    if (!isSweeping())
        return;
    m_sweepTimer.stop();
    m_sweeping.clear();
    emit sweepFinished(true);
}

void SimulatedAnalyzer::finishSweep()
{
    for (int channel : m_sweeping)
        m_lastSweep[channel] = measure(channel);
    m_sweeping.clear();
    emit sweepFinished(false);
}

SimulatedAnalyzer::SweepData SimulatedAnalyzer::measure(int channelNumber) const
{
    SweepData data;
    const ChannelSettings* channel = m_model.findChannel(channelNumber);
    if (!channel)
        return data;
    data.frequencies = m_model.frequencies(channelNumber);
    data.traces = channel->traces;
    const auto measured = measureChannel(m_model, channelNumber, *m_world);
    for (const auto& trace : channel->traces)
        data.values.push_back(traceValues(measured, trace, channel->power, m_model.outputEnabled));
    return data;
}

std::optional<std::vector<std::complex<double>>> SimulatedAnalyzer::traceData(int channelNumber, int traceNumber) const
{
    const ChannelSettings* channel = m_model.findChannel(channelNumber);
    if (!channel || traceNumber < 1 || traceNumber > static_cast<int>(channel->traces.size()))
        return std::nullopt;
    const auto index = static_cast<std::size_t>(traceNumber - 1);

    const auto last = m_lastSweep.find(channelNumber);
    if (!channel->continuous && last != m_lastSweep.end() && index < last->second.traces.size()
        && last->second.traces[index] == channel->traces[index]
        && last->second.frequencies == m_model.frequencies(channelNumber))
        return last->second.values[index];

    const auto measured = measureChannel(m_model, channelNumber, *m_world);
    return traceValues(measured, channel->traces[index], channel->power, m_model.outputEnabled);
}

} // namespace Simulator
