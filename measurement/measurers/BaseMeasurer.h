#pragma once

#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/CalcMethod.h"
#include "engine/processes/base/IProcessMethod.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class SourceReader;
class SyncedVnaDevice;
class TaskProgress;

namespace Algorithms {
class FixturePort;
}

// The work behind one step, run on the backend worker: reads a standard, runs one
// engine process per fixture port or port pair, and reports a status and error
// texts. Lives on the GUI thread; its settings and flags are read on the worker.
class BaseMeasurer : public QObject
{
    Q_OBJECT

public:
    enum Status { Measured = 0, NotMeasured = 1, Failed = 2 };
    Q_ENUM(Status)

    BaseMeasurer(SyncedVnaDevice* device, QObject* parent = nullptr);

    Algorithms::CalcMethod calcMethod() const { return m_calcMethod; }
    Algorithms::Z0ConversionType conversionT() const { return m_conversionT; }
    double userDefZ0() const { return m_userDefZ0; }

    // Statuses, measured ports and raw data back to "not measured"; on the worker.
    virtual void reset() = 0;
    // Whether the last measurement ended by a cancel: a step measuring with several
    // measurers stops there.
    bool endedByCancel() const { return m_endedByCancel; }

public slots:
    void setCalcMethod(Algorithms::CalcMethod method);
    void setConversionT(Algorithms::Z0ConversionType conversionT);
    void setUserDefZ0(double z0);
    // Any thread: stops the running process at its next check and the measurement
    // before its next process.
    void interrupt();

signals:
    void interrupted();
    void error(QString err);
    // A measurement ended because an interrupt came: a cancel, not a failure.
    void cancelled();
    void calcMethodChanged(Algorithms::CalcMethod method);
    void conversionTChanged(Algorithms::Z0ConversionType conversionT);
    void userDefZ0Changed(double z0);

protected:
    // Held from the start to the end of one measurement of the measurer, the task's.
    // An interrupt belongs to the measurement it came to: one recorded by the task since
    // the measurement began counts, also when it came before the measurer started, and
    // one that reached an idle measurer (the busy page cancels them all) is forgotten,
    // so that it never silences the texts of its processes' later calculations.
    class Measuring
    {
    public:
        Measuring(BaseMeasurer& measurer, const TaskProgress& task);
        ~Measuring();
        Measuring(const Measuring&) = delete;
        Measuring& operator=(const Measuring&) = delete;

    private:
        BaseMeasurer& m_measurer;
    };

    // Before a sweep: switches the analyzer's own de-embedding off; the results stay
    // until the new measurement replaces them. A reading from a file leaves the
    // analyzer alone, as nothing restores it afterwards.
    void prepareAnalyzer(const SourceReader& source);
    void setupFixture(Algorithms::FixturePort* port, double portImpedance);
    // A process of the factory, owned as the connections keep it and living on this
    // object's thread; its errors reach this measurer. Empty (with the reason
    // emitted) when the factory has none.
    template <typename Process>
    std::shared_ptr<Process> adoptProcess(std::unique_ptr<Algorithms::IProcessMethod> process, QString errorText);
    // Runs the process unless an interrupt came first; false when it failed or an
    // interrupt came before, during or right after the run.
    bool startExecute(const std::shared_ptr<Algorithms::IProcessMethod>& process);
    // Whether an interrupt was requested, clearing the request.
    bool takeInterrupt() { return m_interruptRequested.exchange(false); }
    // Whether an interrupt was requested; a reading cut short by it is a cancel.
    bool interruptRequested() const { return m_interruptRequested; }
    // Takes a requested interrupt and announces the cancel; false when none came.
    bool takeCancel();
    // Forwards the object's error texts, except those an interrupt of the running
    // measurement caused: the cancel is announced once, by cancelled().
    template <typename Sender>
    void forwardErrors(Sender* sender);
    // Stores the status; true when it changed (the caller announces it).
    static bool storeStatus(std::atomic<int>& field, Status status) { return field.exchange(status) != status; }
    // Status Failed, the text (when any) emitted, the task cancelled; false.
    template <typename Announce>
    bool failWith(std::atomic<int>& status, Announce announce, TaskProgress& task, const QString& text);

    SyncedVnaDevice* device;

private:
    void watchProcess(Algorithms::IProcessMethod* process);

    std::atomic<bool> m_interruptRequested{false};
    std::atomic<bool> m_measuring{false};
    std::atomic<bool> m_endedByCancel{false};
    std::atomic<Algorithms::CalcMethod> m_calcMethod{Algorithms::CalcMethod::TimeGating};
    std::atomic<Algorithms::Z0ConversionType> m_conversionT{Algorithms::Z0ConversionType::System};
    std::atomic<double> m_userDefZ0{50.0};
    // The process being run, so that an interrupt from the GUI thread reaches it
    // while it is alive and only then.
    std::mutex m_runningMutex;
    std::shared_ptr<Algorithms::IProcessMethod> m_running;
};
