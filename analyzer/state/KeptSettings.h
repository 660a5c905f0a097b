#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class VNADevice;

// The settings of a channel that its saved state holds and that a measurement
// changes: the preset before it switches off the correction (fixture simulator,
// de-embedding) and resets the port impedances, and it sweeps once on the bus
// trigger with traces of its own. Read before the state is saved and again after
// it is loaded, they tell whether the load took; all but the traces can be put
// back one by one when it did not.
struct KeptSettings
{
    enum class Kind {
        TriggerSource = 0x1,
        ContinuousSweep = 0x2,
        Traces = 0x4,
        FixtureSimulator = 0x8,
        // The channel's switch and each port's switch and user file.
        Deembedding = 0x10,
        PortImpedances = 0x20,
    };
    Q_DECLARE_FLAGS(Kinds, Kind)

    struct PortDeembedding
    {
        std::optional<bool> enabled;
        std::optional<QString> file;
    };

    std::optional<QString> triggerSource;
    std::optional<bool> continuousSweep;
    // The measured parameter of each trace, in order.
    std::optional<QStringList> traces;
    std::optional<bool> fixtureSimulator;
    std::optional<bool> deembedding;
    // By analyzer port, 0-based.
    std::vector<PortDeembedding> deembeddingPorts;
    std::vector<std::optional<double>> impedances;

    // What putBack() can set back.
    static Kinds settable();

    // Device worker only; a query left unanswered leaves its value unknown.
    static KeptSettings read(VNADevice& device, uint channel);
    // The kinds of which both readings know a value and the values differ.
    Kinds differingFrom(const KeptSettings& other) const;
    // Sends, of what `now` knows and holds otherwise, every setting that can be set back.
    void putBack(VNADevice& device, uint channel, const KeptSettings& now) const;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(KeptSettings::Kinds)
