#include "measurement/measurers/BaseMeasurer.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "engine/port/FixturePort.h"
#include "measurement/measurers/BaseMeasurerTemplates.h"
#include "measurement/measurers/SourceReader.h"
#include "measurement/progress/TaskProgress.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

#include <cmath>
#include <exception>

namespace {

thread_local BaseMeasurer::CapturedErrors* capturing = nullptr;

} // namespace

BaseMeasurer::CapturedErrors::CapturedErrors()
    : m_outer(capturing)
{
    capturing = this;
}

BaseMeasurer::CapturedErrors::~CapturedErrors()
{
    capturing = m_outer;
}

bool BaseMeasurer::CapturedErrors::take(const QString& text)
{
    if (!capturing)
        return false;
    capturing->m_texts << text;
    return true;
}

BaseMeasurer::BaseMeasurer(SyncedVnaDevice* device, QObject* parent)
    : QObject(parent)
    , device(device)
{
    static const int registered = qRegisterMetaType<BaseMeasurer::Status>("Status");
    Q_UNUSED(registered)
    // Direct: whatever tells a text, on whichever thread, is heard before the refusal that follows it.
    connect(this, &BaseMeasurer::error, this, [this] { m_told = true; }, Qt::DirectConnection);
}

void BaseMeasurer::setCalcMethod(Algorithms::CalcMethod method)
{
    if (m_calcMethod.exchange(method) != method)
        emit calcMethodChanged(method);
}

void BaseMeasurer::setConversionT(Algorithms::Z0ConversionType conversionT)
{
    if (m_conversionT.exchange(conversionT) != conversionT)
        emit conversionTChanged(conversionT);
}

void BaseMeasurer::setUserDefZ0(double z0)
{
    if (CacheComparison::fuzzyEqual(m_userDefZ0, z0))
        return;
    m_userDefZ0 = z0;
    emit userDefZ0Changed(z0);
}

void BaseMeasurer::interrupt()
{
    qDebug() << " Base measurer interrupt";
    m_interruptRequested = true;
    std::shared_ptr<Algorithms::IProcessMethod> running;
    {
        std::lock_guard<std::mutex> lock(m_runningMutex);
        running = m_running;
    }
    // The copy keeps the process alive through its cancel, which emits its text.
    if (running)
        running->cancel();
    emit interrupted();
}

BaseMeasurer::Measuring::Measuring(BaseMeasurer& measurer, const TaskProgress& task)
    : m_measurer(measurer)
{
    m_measurer.m_interruptRequested = false;
    m_measurer.m_told = false;
    // Read after the clear: a step records the cancel in the task before it interrupts
    // its measurers, so one coming meanwhile is kept by either.
    if (task.isInterrupted())
        m_measurer.m_interruptRequested = true;
    m_measurer.m_measuring = true;
}

BaseMeasurer::Measuring::~Measuring()
{
    m_measurer.m_measuring = false;
    m_measurer.m_interruptRequested = false;
}

void BaseMeasurer::prepareAnalyzer(const SourceReader& source)
{
    if (device && source.isAnalyzer()) {
        device->setDeembeddingState(false);
        device->setFixtureSimulationState(false);
        device->setGraphicsLayout(1);
    }
}

void BaseMeasurer::setupFixture(Algorithms::FixturePort* port, double portImpedance)
{
    qDebug() << "Setup fixture";
    qDebug() << "Conversion Type" << static_cast<int>(conversionT());
    qDebug() << "User entered impedance" << userDefZ0();
    qDebug() << "Port impedance" << portImpedance;
    port->setConversionType(conversionT());
    port->setCustomImpedance(userDefZ0());
    port->setZ0(portImpedance);
}

void BaseMeasurer::watchProcess(Algorithms::IProcessMethod* process)
{
    // Created on the worker, released through the GUI thread's event loop like
    // everything else the connections keep.
    if (process->thread() != thread())
        process->moveToThread(thread());
    forwardErrors(process);
}

bool BaseMeasurer::takeCancel()
{
    if (!takeInterrupt())
        return false;
    emit cancelled();
    return true;
}

bool BaseMeasurer::refuse(TaskProgress& task, const QString& text)
{
    if (!takeCancel()) {
        if (!text.isEmpty())
            emit error(text);
        else if (!m_told)
            // The engine refused without a word: the user still learns that nothing was measured.
            emit error(tr("The measurement could not be calculated, so nothing was changed. Check the measured "
                          "data and repeat the measurement"));
    }
    task.cancel();
    return false;
}

bool BaseMeasurer::startExecute(const std::shared_ptr<Algorithms::IProcessMethod>& process)
{
    qDebug() << "Start execute" << process.get();
    {
        std::lock_guard<std::mutex> lock(m_runningMutex);
        // run() clears the process's own cancel flag on entry, so an interrupt that
        // came before would be lost there.
        if (m_interruptRequested)
            return false;
        m_running = process;
    }
    bool result = false;
    try {
        result = process->run();
    } catch (const std::exception& e) {
        emit error(QStringLiteral("Error ") + QString::fromLocal8Bit(e.what()));
    }
    {
        std::lock_guard<std::mutex> lock(m_runningMutex);
        m_running.reset();
    }
    return result && !m_interruptRequested;
}
