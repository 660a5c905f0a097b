#pragma once

#include "simulator/model/ModelTokens.h"
#include "simulator/model/TwoPortNetwork.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace Simulator {

struct Identification
{
    QString manufacturer = "NOLT";
    QString model = "VNA Simulator";
    QString serialNumber = "SIM000001";
    QString version = "1.0.0";
};

// The channel's calibration as the analyzer reports it. Measurements are
// error-free whatever it says; it is bookkeeping for the calibration checks.
struct Calibration
{
    QString type = "NONE";  // one of calibrationTypes(); "NONE" = not calibrated
    std::vector<int> ports; // 1-based ports it covers
    // The sweep it was made on: another grid inside it is interpolated, one
    // reaching beyond it (or another sweep type) extrapolated.
    SweepType sweepType = SweepType::Linear;
    double startFrequency = 0.0;
    double stopFrequency = 0.0;
    int points = 0;

    bool isActive() const { return type != "NONE"; }
    bool operator==(const Calibration& other) const;
    bool operator!=(const Calibration& other) const { return !(*this == other); }
};

struct TraceDefinition
{
    QString parameter = "S11";     // "S<to><from>", or an absolute receiver "T<n>", "R<n>", "V<n>"
    int sourcePort = 1;            // the driven port of an absolute receiver trace
    QString format = "MLOGarithmic"; // one of traceFormatKeywords()

    bool operator==(const TraceDefinition& other) const;
    bool operator!=(const TraceDefinition& other) const { return !(*this == other); }
};

// One port's entry of the fixture simulator's de-embedding.
struct PortDeembedding
{
    bool enabled = false;
    QString fileName;                     // as the client gave it; empty when none
    std::optional<TwoPortNetwork> network; // what was read from the file

    bool operator==(const PortDeembedding& other) const;
    bool operator!=(const PortDeembedding& other) const { return !(*this == other); }
};

struct ChannelSettings
{
    SweepType sweepType = SweepType::Linear;
    double startFrequency = 0.0; // Hz
    double stopFrequency = 0.0;  // Hz
    int points = 201;
    double ifBandwidth = 10e3; // Hz
    double power = 0.0;        // dBm
    bool continuous = true;    // false: sweeps only when triggered
    int layout = 1;            // window split number, display only
    std::vector<TraceDefinition> traces{TraceDefinition{}};
    Calibration calibration;
    bool fixtureSimulator = false;
    bool deembedding = false;
    std::map<int, PortDeembedding> deembeddingPorts; // by 1-based port

    bool operator==(const ChannelSettings& other) const;
    bool operator!=(const ChannelSettings& other) const { return !(*this == other); }
};

// Everything the simulated analyzer knows: its hardware, its settings and its
// channels. A plain value: tests copy, compare and change it freely.
struct AnalyzerModel
{
    static constexpr int maxChannels = 16;
    static constexpr int maxPorts = 9;
    static constexpr int maxPoints = 200001;
    static constexpr int maxTraces = 16;

    // Hardware: neither a preset nor a loaded state changes it.
    int portCount = 2;
    double minFrequency = 100e3; // Hz
    double maxFrequency = 20e9;  // Hz
    Identification identification;
    bool ready = true; // "SYST:READy?" answers "0" while false

    // Settings.
    int activeChannel = 1;
    std::vector<double> portImpedances; // ohm, one per port
    bool outputEnabled = true;
    bool windowShown = true;
    QString triggerSource = "INT"; // short form of triggerSourceKeywords()
    SaveType saveType = SaveType::State;
    std::map<int, ChannelSettings> channels; // by 1-based channel number

    // A preset analyzer with a full calibration of every port on channel 1.
    explicit AnalyzerModel(int portCount = 2);

    // Settings back to their defaults: one channel, no calibration, no
    // de-embedding, 50 ohm ports. Hardware and the save type stay.
    void preset();
    // The channel's settings, created with preset values on first use.
    ChannelSettings& channel(int number);
    const ChannelSettings* findChannel(int number) const;
    ChannelSettings presetChannel() const;
    // Changes the hardware's port count; new ports have 50 ohm.
    void setPortCount(int count);
    // Calibrates every port of the channel on its current sweep ("SOLT<n>").
    void calibrateAllPorts(int channelNumber);

    // The channel's frequency grid in Hz.
    std::vector<double> frequencies(int channelNumber) const;
    // "NONE", or "C" on the calibrated grid, "C?" interpolated, "C!" extrapolated.
    QString correctionStatus(int channelNumber) const;

    // Setters that keep the analyzer's limits: frequencies within
    // [minFrequency, maxFrequency] and start <= stop (the other end follows).
    void setStartFrequency(int channelNumber, double frequency);
    void setStopFrequency(int channelNumber, double frequency);

    bool operator==(const AnalyzerModel& other) const;
    bool operator!=(const AnalyzerModel& other) const { return !(*this == other); }
};

} // namespace Simulator
