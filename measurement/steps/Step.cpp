#include "measurement/steps/Step.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/state/DeviceStateKeeper.h"
#include "analyzer/threading/Checker.h"
#include "analyzer/threading/WorkerThread.h"
#include "measurement/connections/ConnectionBase.h"
#include "measurement/measurers/SourceReader.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/progress/TaskProgress.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

namespace {

// Analyzers with a measurement in progress. The state keeper saves to fixed
// paths, so a second measurement would overwrite the user's saved state.
// GUI thread only.
std::set<const SyncedVnaDevice*>& busyAnalyzers()
{
    static std::set<const SyncedVnaDevice*> busy;
    return busy;
}

std::uint64_t nextSerial()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

// Runs its function when it leaves scope, also by an exception.
template <typename Function>
struct AtExit
{
    Function function;
    ~AtExit() { function(); }
};
template <typename Function>
AtExit(Function) -> AtExit<Function>;

// What a work item removed from the queue does: its task reads cancelled, not
// failed, and the item still ends.
template <typename End>
WorkerThread::Task droppedItem(std::shared_ptr<TaskProgress> task, End end)
{
    return [task = std::move(task), end = std::move(end)] {
        task->interrupt();
        task->cancel();
        end();
    };
}

} // namespace

Step::Step(SyncedVnaDevice* device, WorkerThread* worker, ProgressManager* progress, QObject* parent)
    : QObject(parent)
    , device(device)
    , worker(worker)
    , progress(progress)
    , m_serial(nextSerial())
{
}

void Step::setAppliedFixtureOffset(bool applied)
{
    if (m_appliedFixtureOffset == applied)
        return;
    m_appliedFixtureOffset = applied;
    emit flagAppliedFixtureOffsetChanged();
}

MeasureEnums::MeasureType Step::measureType() const
{
    return kind() != 0 ? MeasureEnums::MeasureType::REFLECT : MeasureEnums::MeasureType::TRANSMISSION;
}

QObject* Step::connectionObject() const
{
    return connection();
}

MeasureEnums::MeasureStatus Step::measureStatus() const
{
    return MeasureEnums::MeasureStatus::Error;
}

void Step::setCalcMethod(Algorithms::CalcMethod method)
{
    if (m_calcMethod.exchange(method) != method)
        emit calcMethodChanged(method);
}

void Step::setConversionT(Algorithms::Z0ConversionType conversionT)
{
    if (m_conversionT.exchange(conversionT) != conversionT)
        emit conversionTChanged(conversionT);
}

void Step::setUserDefZ0(double z0)
{
    if (CacheComparison::fuzzyEqual(m_userDefZ0, z0))
        return;
    m_userDefZ0 = z0;
    emit userDefZ0Changed(z0);
}

Step::Conditions Step::clearResultsOfOtherConditions()
{
    if (m_resultsDropped || !holdsResults())
        return {};
    Conditions changed;
    if (m_measuredMethod != calcMethod())
        changed |= Condition::Method;
    if (m_measuredCabling != cabling())
        changed |= Condition::Cabling;
    if (changed) {
        m_resultsDropped = true;
        deleteData();
    }
    return changed;
}

void Step::beginMeasurement()
{
    // The work was made just before, on this thread: it reads the cabling recorded here.
    m_measuredMethod = calcMethod();
    m_measuredCabling = cabling();
    m_resultsDropped = false;
    ++m_measuring;
}

void Step::interrupt()
{
    qDebug() << "Step interrupted";
    std::vector<std::shared_ptr<TaskProgress>> tasks;
    {
        std::lock_guard<std::mutex> lock(m_tasksMutex);
        for (const std::weak_ptr<TaskProgress>& task : m_tasks) {
            if (std::shared_ptr<TaskProgress> live = task.lock())
                tasks.push_back(std::move(live));
        }
    }
    // The tasks first: a measurer starting meanwhile reads its task after clearing its own flag.
    for (const std::shared_ptr<TaskProgress>& task : tasks)
        task->interrupt();
    emit interrupted();
}

bool Step::endIfCancelled(TaskProgress& task)
{
    if (!task.isInterrupted())
        return false;
    task.cancel();
    emit cancelled();
    return true;
}

std::shared_ptr<void> Step::holdForWork()
{
    auto held = std::make_shared<std::pair<std::shared_ptr<Step>, std::shared_ptr<QObject>>>(
        weak_from_this().lock(), m_keepAlive ? m_keepAlive() : nullptr);
    return held;
}

std::shared_ptr<TaskProgress> Step::newTask(const QString& title, int steps)
{
    auto task = makeLaterDeleted<TaskProgress>();
    if (progress)
        progress->add(task.get(), title);
    task->setProgressRange(0, steps);
    task->reportStarted();
    // A cancel asked for from now until the task ends stops its measurement, and ends
    // it as cancelled, not as failed.
    std::lock_guard<std::mutex> lock(m_tasksMutex);
    m_tasks.erase(std::remove_if(m_tasks.begin(), m_tasks.end(), [](const auto& t) { return t.expired(); }),
                  m_tasks.end());
    m_tasks.push_back(task);
    return task;
}

void Step::onGuiThread(std::function<void()> change)
{
    QMetaObject::invokeMethod(this, std::move(change), Qt::AutoConnection);
}

void Step::post(std::function<void()> work)
{
    worker->post([held = holdForWork(), work = std::move(work)] { work(); });
}

bool Step::runOnAnalyzer(const std::shared_ptr<TaskProgress>& task, Work work)
{
    if (busyAnalyzers().count(device)) {
        emit error(tr("A measurement is already running"));
        task->cancel();
        return false;
    }
    // The wait below serves deferred deletes: a step dropped by its owner meanwhile
    // must outlive this call.
    const std::shared_ptr<void> held = holdForWork();
    busyAnalyzers().insert(device);
    AtExit release{[this] { busyAnalyzers().erase(device); }};
    beginMeasurement();

    task->nextStep(tr("Save device state"));
    auto keeper = std::make_shared<DeviceStateKeeper>(device, task->interruptedFlag(),
                                                      [this](const QString& notice) { emit error(notice); });
    emit started();
    // Saving serves the GUI thread's events, so the queue may be cleared meanwhile
    // (a preset): the measurement then counts as dropped, as if it had been queued.
    // A cancel meanwhile ends it there, the analyzer as it was.
    const std::uint64_t clearsBefore = worker->clearCount();
    if (!keeper->saveAndPreset()) {
        --m_measuring;
        const bool cancelled = endIfCancelled(*task);
        if (!cancelled)
            task->cancel();
        emit finished();
        return cancelled;
    }

    Checker checker;
    // Whatever ends the item (its end or its removal from the queue) restores the
    // analyzer, ends the task and releases the waiting GUI thread.
    auto end = [held = holdForWork(), self = this, keeper, task, checker = &checker] {
        task->nextStep(tr("Restore device state"));
        // An analyzer left otherwise than the user had it fails the measurement's task,
        // as the notice tells.
        const bool restored = keeper->restore();
        --self->m_measuring;
        emit self->finished();
        if (restored)
            task->finish();
        else
            task->cancel();
        checker->report();
    };
    WorkerThread::Task dropped = droppedItem(task, end);
    if (worker->clearCount() != clearsBefore) {
        dropped();
        return true;
    }
    // So is one whose method or cabling changed meanwhile: its work was made for the old
    // ones. Nobody cancelled it, so the user learns why it ended.
    if (m_measuredMethod != calcMethod() || m_measuredCabling != cabling()) {
        emit error(tr("The correction method or the analyzer ports changed as the measurement began: measure again"));
        dropped();
        return true;
    }
    if (endIfCancelled(*task)) {
        end();
        return true;
    }
    worker->post(
        [end, self = this, work = std::move(work), task, device = device] {
            AtExit atEnd{end};
            if (self->endIfCancelled(*task))
                return;
            SourceReader source(device, task->interruptedFlag());
            work(source, *task);
        },
        std::move(dropped));
    checker.wait();
    return true;
}

void Step::runFromFile(const std::shared_ptr<TaskProgress>& task, const QString& filePath,
                       std::vector<uint> analyzerPorts, Work work)
{
    beginMeasurement();
    emit started();
    auto end = [held = holdForWork(), self = this, task] {
        --self->m_measuring;
        emit self->finished();
        task->finish();
    };
    worker->post(
        [end, self = this, work = std::move(work), task, filePath, ports = std::move(analyzerPorts)] {
            AtExit atEnd{end};
            if (self->endIfCancelled(*task))
                return;
            SourceReader source(filePath);
            task->nextStep(tr("Read file"));
            if (const std::optional<QString> problem = source.fileProblem(ports)) {
                emit self->error(*problem);
                task->cancel();
                return;
            }
            work(source, *task);
        },
        droppedItem(task, end));
}

void Step::runDetached(const std::shared_ptr<TaskProgress>& task, std::function<bool(TaskProgress&)> work)
{
    emit started();
    auto end = [held = holdForWork(), self = this, task] {
        emit self->finished();
        task->finish();
    };
    worker->post(
        [end, self = this, work = std::move(work), task,
         followUp = offsetFollowUp()] {
            AtExit atEnd{end};
            if (!work(*task)) {
                task->cancel();
                emit self->refused();
                return;
            }
            if (followUp)
                followUp(*task);
        },
        droppedItem(task, end));
}
