#include "simulator/AnalyzerSimulatorThread.h"

#include "simulator/AnalyzerSimulator.h"

namespace Simulator {

AnalyzerSimulatorThread::AnalyzerSimulatorThread(int portCount)
    : m_simulator(new AnalyzerSimulator(portCount))
{
    m_simulator->moveToThread(&m_thread);
    m_thread.start();
}

AnalyzerSimulatorThread::~AnalyzerSimulatorThread()
{
    // A thread that finishes deletes the objects handed to deleteLater on it.
    m_simulator->deleteLater();
    m_thread.quit();
    m_thread.wait();
}

} // namespace Simulator
