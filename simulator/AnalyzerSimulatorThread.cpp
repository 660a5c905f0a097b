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
    QMetaObject::invokeMethod(
        m_simulator, [simulator = m_simulator] { delete simulator; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

} // namespace Simulator
