#pragma once

#include "simulator/model/AnalyzerModel.h"
#include "simulator/world/World.h"

#include <QObject>
#include <QTimer>

#include <complex>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace Simulator {

// The analyzer behind the SCPI server: its model, the world at its ports, and
// sweeps that take simulated time. Lives on one thread; not thread-safe.
class SimulatedAnalyzer : public QObject
{
    Q_OBJECT

public:
    explicit SimulatedAnalyzer(int portCount, std::shared_ptr<const World> world, QObject* parent = nullptr);

    AnalyzerModel& model() { return m_model; }
    const AnalyzerModel& model() const { return m_model; }

    const World& world() const { return *m_world; }
    void setWorld(std::shared_ptr<const World> world);

    // How long one triggered sweep of one channel takes.
    int sweepTimeMs() const { return m_sweepTimeMs; }
    void setSweepTimeMs(int milliseconds);

    // "INITiate:IMMediate": arms the channel; with the internal trigger it sweeps at once.
    void initiate(int channelNumber);
    // A single trigger: sweeps the armed channels (the active one when none is armed),
    // one after the other. Ignored while a sweep runs.
    void trigger();
    // Ends a running sweep without data and disarms every channel.
    void abort();
    bool isSweeping() const { return !m_sweeping.empty(); }

    // The trace's values (1-based trace number): what the last sweep measured while
    // the channel holds and the trace's definition and grid are unchanged, else what
    // the channel measures now. No value for a trace the channel does not have.
    std::optional<std::vector<std::complex<double>>> traceData(int channelNumber, int traceNumber) const;

signals:
    void sweepStarted();
    void sweepFinished(bool aborted);

private:
    struct SweepData
    {
        std::vector<double> frequencies;
        std::vector<TraceDefinition> traces;
        std::vector<std::optional<std::vector<std::complex<double>>>> values;
    };

    SweepData measure(int channelNumber) const;
    void finishSweep();

    AnalyzerModel m_model;
    std::shared_ptr<const World> m_world;
    int m_sweepTimeMs = 20;
    QTimer m_sweepTimer;
    std::set<int> m_armed;
    std::set<int> m_sweeping;
    std::map<int, SweepData> m_lastSweep;
};

} // namespace Simulator
