#pragma once

#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/CalcMethod.h"
#include "engine/processes/base/IProcessMethod.h"

#include <QObject>
#include <QString>
#include <QStringList>

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

    // While one lives on a thread, the texts that the processes and ports of any measurer
    // emit on that thread are gathered here instead of being told: a calculation that
    // tells its failure in its own words collects the engine's reason first.
    class CapturedErrors
    {
    public:
        CapturedErrors();
        ~CapturedErrors();
        CapturedErrors(const CapturedErrors&) = delete;
        CapturedErrors& operator=(const CapturedErrors&) = delete;

        // The reasons gathered, the first one only: later ones follow from it.
        QString reason() const { return m_texts.value(0); }
        // Whether a capture on this thread took the text.
        static bool take(const QString& text);

    private:
        CapturedErrors* m_outer;
        QStringList m_texts;
    };

    // Statuses, measured ports and raw data back to "not measured"; on the worker.
    virtual void reset() = 0;

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
    // Ends a measurement with the earlier one and its status in place: a cancel is
    // announced, a failure told with the text, the task cancelled; false. Without a text a
    // failure is told in general words, unless its reason was told during the measurement.
    bool refuse(TaskProgress& task, const QString& text = {});

    SyncedVnaDevice* device;

private:
    void watchProcess(Algorithms::IProcessMethod* process);

    std::atomic<bool> m_interruptRequested{false};
    std::atomic<bool> m_measuring{false};
    // A text was told since the running measurement began.
    std::atomic<bool> m_told{false};
    std::atomic<Algorithms::CalcMethod> m_calcMethod{Algorithms::CalcMethod::TimeGating};
    std::atomic<Algorithms::Z0ConversionType> m_conversionT{Algorithms::Z0ConversionType::System};
    std::atomic<double> m_userDefZ0{50.0};
    // The process being run, so that an interrupt from the GUI thread reaches it
    // while it is alive and only then.
    std::mutex m_runningMutex;
    std::shared_ptr<Algorithms::IProcessMethod> m_running;
};
