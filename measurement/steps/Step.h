#pragma once

#include "analyzer/threading/WorkerThread.h"
#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/CalcMethod.h"
#include "measurement/enums/MeasureEnums.h"
#include "measurement/models/LaterDeleter.h"

#include <QFlags>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class ConnectionBase;
class ProgressManager;
class SourceReader;
class SyncedVnaDevice;
class TaskProgress;

// One item of the measurement wizard. Measurements run on the backend worker as
// progress tasks, from the analyzer (its state saved before and restored after,
// the GUI thread waiting meanwhile) or from a Touchstone file. Steps are shared
// with a deleteLater deleter; every work item holds the step, its connection
// objects and whatever the step's owner hands over as its keep-alive, so
// replacing or removing the step meanwhile only drops a reference.
class Step : public QObject, public std::enable_shared_from_this<Step>
{
    Q_OBJECT
    Q_PROPERTY(MeasureEnums::MeasureType measureType READ measureType CONSTANT)
    Q_PROPERTY(QObject* connection READ connectionObject CONSTANT)
    Q_PROPERTY(bool appliedFixtureOffset READ appliedFixtureOffset WRITE setAppliedFixtureOffset NOTIFY
                   flagAppliedFixtureOffsetChanged)
    Q_PROPERTY(MeasureEnums::MeasureStatus measureStatus READ measureStatus NOTIFY isMeasuredChanged)

public:
    using ObjectDeleter = LaterDeleter;
    // What results are made under: a change of either makes them another setup's results.
    // A step that the connections no longer ask for takes its results with it.
    enum class Condition { Method = 0x1, Cabling = 0x2, Connection = 0x4 };
    Q_DECLARE_FLAGS(Conditions, Condition)
    // A measurement's work on the worker, with its source and task.
    using Work = std::function<void(SourceReader& source, TaskProgress& task)>;
    // Work on the worker that follows another step's work, within the same task.
    using FollowUp = std::function<void(TaskProgress& task)>;
    // Work on the worker that ends what was calculated with the processes a step kept (a DUT's
    // results) once they are gone; told: whether the user learns that a result ended.
    using Ending = std::function<void(bool told)>;

    Step(SyncedVnaDevice* device, WorkerThread* worker, ProgressManager* progress, QObject* parent = nullptr);

    Algorithms::CalcMethod calcMethod() const { return m_calcMethod; }
    Algorithms::Z0ConversionType conversionT() const { return m_conversionT; }
    double userDefZ0() const { return m_userDefZ0; }
    bool appliedFixtureOffset() const { return m_appliedFixtureOffset; }
    void setAppliedFixtureOffset(bool applied);
    MeasureEnums::MeasureType measureType() const;
    QObject* connectionObject() const;

    virtual ConnectionBase* connection() const = 0;
    virtual MeasureEnums::MeasureStatus measureStatus() const;
    virtual int kind() const = 0;

    // Results of the step exist, or a measurement is on its way to make them.
    bool holdsResults() const { return m_measuring > 0 || hasResults(); }
    // When the step holds results made with another method or on other analyzer ports
    // than it has now, clears them (on the worker, after the work asked for before)
    // and gives the conditions that differ; nothing otherwise.
    Conditions clearResultsOfOtherConditions();

    // What every work item of this step holds besides the step (the setup that
    // owns the fixtures), asked for when the item is posted.
    void setKeepAlive(std::function<std::shared_ptr<QObject>()> owner) { m_keepAlive = std::move(owner); }
    // What must run right after each offset of this step, in the same work item: results
    // made on the halves as they were (a DUT's) follow the new halves. Asked for on this
    // thread when the offset is posted; it may give nothing.
    void setOffsetFollowUp(std::function<FollowUp()> make) { m_offsetFollowUp = std::move(make); }
    // What must run right after a new measurement of this step replaced the processes it
    // keeps (told), or a clear of its data dropped them (untold: the user asked for it), in
    // the same work item: results calculated with the earlier ones (a DUT's) end. Asked for
    // on this thread when the work is posted; it may give nothing.
    void setRemeasuredFollowUp(std::function<Ending()> make) { m_remeasuredFollowUp = std::move(make); }

public slots:
    void setCalcMethod(Algorithms::CalcMethod method);
    void setConversionT(Algorithms::Z0ConversionType conversionT);
    void setUserDefZ0(double z0);
    virtual void deleteData() = 0;
    void interrupt();

signals:
    void interrupted();
    void error(QString err);
    // A measurement of the step ended by an interrupt: cancelled, not failed.
    void cancelled();
    // Work was refused without ending as a failure of its own measurers (an offset, or the
    // halves' new plane after a standard); why went by error() or by the fixture port that refused.
    void refused();
    void measureDataChanged();
    void started();
    void finished();
    void isMeasuredChanged();
    void flagAppliedFixtureOffsetChanged();
    void calcMethodChanged(Algorithms::CalcMethod method);
    void conversionTChanged(Algorithms::Z0ConversionType conversionT);
    void userDefZ0Changed(double z0);

protected:
    // Results of the step's own measurers exist (measured or failed).
    virtual bool hasResults() const { return false; }
    // The analyzer ports of each fixture the step measures, fixture by fixture.
    virtual std::vector<std::vector<uint>> cabling() const { return {}; }
    // A task listed under the title, with the range 0..steps.
    std::shared_ptr<TaskProgress> newTask(const QString& title, int steps);
    // Saves and presets the analyzer, runs the work on the worker and waits for it,
    // restoring the analyzer after it (also when the work is dropped from the queue).
    // A cancel of the task from now on stops the measurement where it stands: before the
    // work runs, the work is never run, and the measurement ends as cancelled.
    // False when another analyzer measurement runs or the state could not be saved.
    bool runOnAnalyzer(const std::shared_ptr<TaskProgress>& task, Work work);
    // Runs the work on the worker from the file, without waiting. The file is read and
    // checked whole first: when it cannot serve a measurement of these analyzer ports,
    // the error names it and nothing else happens (results, statuses, the analyzer).
    void runFromFile(const std::shared_ptr<TaskProgress>& task, const QString& filePath,
                     std::vector<uint> analyzerPorts, Work work);
    // Runs an offset (work that reads nothing) on the worker, then its follow-up, without
    // waiting; work that returns false was refused: its task fails and no follow-up runs.
    void runDetached(const std::shared_ptr<TaskProgress>& task, std::function<bool(TaskProgress&)> work);
    // Runs a plain function on the worker, in order with the measurements.
    void post(std::function<void()> work);
    // A setter for a property QML reads, carried out on this object's thread.
    void onGuiThread(std::function<void()> change);
    FollowUp offsetFollowUp() const { return m_offsetFollowUp ? m_offsetFollowUp() : FollowUp{}; }
    Ending remeasuredFollowUp() const { return m_remeasuredFollowUp ? m_remeasuredFollowUp() : Ending{}; }
    // Never reused, unlike the step's address: marks the results this step wrote.
    std::uint64_t serial() const { return m_serial; }

    SyncedVnaDevice* device;
    QPointer<WorkerThread> worker;
    ProgressManager* progress;

private:
    // The step and its owner, held by a work item until it ends.
    std::shared_ptr<void> holdForWork();
    // A measurement begins with the method and cabling the step has now.
    void beginMeasurement();
    // Ends a measurement that a cancel stopped before its work ran, as cancelled; false
    // when no cancel came.
    bool endIfCancelled(TaskProgress& task);

    const std::uint64_t m_serial;
    std::atomic<Algorithms::CalcMethod> m_calcMethod{Algorithms::CalcMethod::TimeGating};
    std::atomic<Algorithms::Z0ConversionType> m_conversionT{Algorithms::Z0ConversionType::System};
    std::atomic<double> m_userDefZ0{50.0};
    bool m_appliedFixtureOffset = false;
    std::function<std::shared_ptr<QObject>()> m_keepAlive;
    std::function<FollowUp()> m_offsetFollowUp;
    std::function<Ending()> m_remeasuredFollowUp;
    // Measurements begun and not yet ended; they end on the worker.
    std::atomic<int> m_measuring{0};
    // The tasks of the step's work. A task is its measurement's record of a cancel from
    // the moment Measure is pressed: interrupt() sets it before anything else learns of
    // the cancel, and whatever works for the measurement reads it.
    std::mutex m_tasksMutex;
    std::vector<std::weak_ptr<TaskProgress>> m_tasks;
    // The conditions of the last measurement begun; GUI thread only.
    Algorithms::CalcMethod m_measuredMethod = Algorithms::CalcMethod::TimeGating;
    std::vector<std::vector<uint>> m_measuredCabling;
    // A clear for other conditions is on its way to the worker: the results are gone for
    // whatever changes next, so one change of conditions clears and tells once.
    bool m_resultsDropped = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Step::Conditions)
