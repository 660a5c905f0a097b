#include "analyzer/state/KeptSettings.h"

#include "analyzer/device/VNADevice.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The trigger source goes back to the analyzer as it came: only a plain word may.
std::optional<QString> word(const std::optional<QString>& reply)
{
    static const QRegularExpression plainWord(QStringLiteral("^[A-Za-z]+$"));
    return reply && plainWord.match(*reply).hasMatch() ? reply : std::nullopt;
}

std::optional<QStringList> readTraces(VNADevice& device, uint channel)
{
    const std::optional<uint> count = device.traceCount(channel);
    if (!count)
        return std::nullopt;
    QStringList traces;
    for (uint trace = 0; trace < *count; ++trace) {
        const std::optional<QString> definition = device.traceDefinition(trace, channel);
        if (!definition)
            return std::nullopt;
        traces << *definition;
    }
    return traces;
}

bool same(double a, double b)
{
    // An impedance goes back with ten significant digits.
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

template <typename T>
bool same(const T& a, const T& b)
{
    return a == b;
}

template <typename T>
bool knownAndDifferent(const std::optional<T>& a, const std::optional<T>& b)
{
    return a && b && !same(*a, *b);
}

// Element by element, over the ports both readings have.
template <typename T, typename Differ>
bool anyDiffers(const std::vector<T>& a, const std::vector<T>& b, Differ differ)
{
    const std::size_t count = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (differ(a[i], b[i]))
            return true;
    }
    return false;
}

bool portDiffers(const KeptSettings::PortDeembedding& a, const KeptSettings::PortDeembedding& b)
{
    return knownAndDifferent(a.enabled, b.enabled) || knownAndDifferent(a.file, b.file);
}

} // namespace

KeptSettings::Kinds KeptSettings::settable()
{
    return Kind::TriggerSource | Kind::ContinuousSweep | Kind::FixtureSimulator | Kind::Deembedding
        | Kind::PortImpedances;
}

KeptSettings KeptSettings::read(VNADevice& device, uint channel)
{
    KeptSettings settings;
    settings.triggerSource = word(device.triggerSource());
    settings.continuousSweep = device.continuousSweep(channel);
    settings.traces = readTraces(device, channel);
    settings.fixtureSimulator = device.fixtureSimulationState(channel);
    settings.deembedding = device.deembeddingState(channel);
    const uint ports = device.portCount().value_or(0);
    for (uint port = 0; port < ports; ++port) {
        settings.deembeddingPorts.push_back(
            {device.deembeddingState(channel, port), device.deembeddingFile(channel, port)});
        settings.impedances.push_back(device.impedance(port));
    }
    return settings;
}

KeptSettings::Kinds KeptSettings::differingFrom(const KeptSettings& other) const
{
    Kinds kinds;
    if (knownAndDifferent(triggerSource, other.triggerSource))
        kinds |= Kind::TriggerSource;
    if (knownAndDifferent(continuousSweep, other.continuousSweep))
        kinds |= Kind::ContinuousSweep;
    if (knownAndDifferent(traces, other.traces))
        kinds |= Kind::Traces;
    if (knownAndDifferent(fixtureSimulator, other.fixtureSimulator))
        kinds |= Kind::FixtureSimulator;
    if (knownAndDifferent(deembedding, other.deembedding)
        || anyDiffers(deembeddingPorts, other.deembeddingPorts, portDiffers))
        kinds |= Kind::Deembedding;
    if (anyDiffers(impedances, other.impedances, knownAndDifferent<double>))
        kinds |= Kind::PortImpedances;
    return kinds;
}

void KeptSettings::putBack(VNADevice& device, uint channel, const KeptSettings& now) const
{
    // In the order the correction is applied: impedances and files before the switches
    // that use them; a file given to a port may switch that port's de-embedding on.
    const std::size_t ports = std::min(deembeddingPorts.size(), now.deembeddingPorts.size());
    for (std::size_t port = 0; port < std::min(impedances.size(), now.impedances.size()); ++port) {
        if (knownAndDifferent(impedances[port], now.impedances[port]))
            device.setImpedance(uint(port), *impedances[port]);
    }
    for (std::size_t port = 0; port < ports; ++port) {
        const PortDeembedding& saved = deembeddingPorts[port];
        const PortDeembedding& current = now.deembeddingPorts[port];
        if (knownAndDifferent(saved.file, current.file) && !saved.file->isEmpty())
            device.setDeembeddingFile(channel, uint(port), *saved.file);
        if (portDiffers(saved, current) && saved.enabled)
            device.setDeembeddingState(channel, uint(port), *saved.enabled);
    }
    if (knownAndDifferent(deembedding, now.deembedding))
        device.setDeembeddingState(channel, *deembedding);
    if (knownAndDifferent(fixtureSimulator, now.fixtureSimulator))
        device.setFixtureSimulationState(channel, *fixtureSimulator);
    if (knownAndDifferent(triggerSource, now.triggerSource))
        device.setTriggerSource(*triggerSource);
    if (knownAndDifferent(continuousSweep, now.continuousSweep))
        device.setContinuousSweep(*continuousSweep, channel);
}
