#pragma once

#include <QThread>

namespace Simulator {

class AnalyzerSimulator;

// An AnalyzerSimulator serving from a thread of its own, for tests whose own
// thread blocks while the analyzer must answer. The simulator's public functions
// may be called from the test's thread.
class AnalyzerSimulatorThread
{
public:
    explicit AnalyzerSimulatorThread(int portCount = 2);
    // Destroys the simulator on its thread, then ends the thread.
    ~AnalyzerSimulatorThread();
    AnalyzerSimulatorThread(const AnalyzerSimulatorThread&) = delete;
    AnalyzerSimulatorThread& operator=(const AnalyzerSimulatorThread&) = delete;

    AnalyzerSimulator& simulator() { return *m_simulator; }

private:
    QThread m_thread;
    AnalyzerSimulator* m_simulator;
};

} // namespace Simulator
