#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <optional>

class VNADevice;

// The settings of a channel that its saved state holds and that a measurement
// changes (it sweeps once on the bus trigger with traces of its own). Read
// before the state is saved and again after it is loaded, they tell whether
// the load took.
struct KeptSettings
{
    enum class Kind { TriggerSource = 0x1, ContinuousSweep = 0x2, Traces = 0x4 };
    Q_DECLARE_FLAGS(Kinds, Kind)

    std::optional<QString> triggerSource;
    std::optional<bool> continuousSweep;
    // The measured parameter of each trace, in order.
    std::optional<QStringList> traces;

    // Device worker only; a query left unanswered leaves its value unknown.
    static KeptSettings read(VNADevice& device, uint channel);
    // The kinds that both readings know and that differ.
    Kinds differingFrom(const KeptSettings& other) const;
    // Sends the trigger source and the continuous sweep of these settings where `kinds` names them.
    void putBack(VNADevice& device, uint channel, Kinds kinds) const;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(KeptSettings::Kinds)
