#include "analyzer/state/KeptSettings.h"

#include "analyzer/device/VNADevice.h"

#include <QRegularExpression>

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

template <typename T>
bool knownAndDifferent(const std::optional<T>& a, const std::optional<T>& b)
{
    return a && b && *a != *b;
}

} // namespace

KeptSettings KeptSettings::read(VNADevice& device, uint channel)
{
    KeptSettings settings;
    settings.triggerSource = word(device.triggerSource());
    settings.continuousSweep = device.continuousSweep(channel);
    settings.traces = readTraces(device, channel);
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
    return kinds;
}

void KeptSettings::putBack(VNADevice& device, uint channel, Kinds kinds) const
{
    if (kinds.testFlag(Kind::TriggerSource) && triggerSource)
        device.setTriggerSource(*triggerSource);
    if (kinds.testFlag(Kind::ContinuousSweep) && continuousSweep)
        device.setContinuousSweep(*continuousSweep, channel);
}
