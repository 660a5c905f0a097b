#include "remote/commands/StepTaskWait.h"

#include "analyzer/threading/Checker.h"
#include "analyzer/threading/WorkerThread.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/steps/Step.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/parser/AutomationException.h"

#include <QCoreApplication>

#include <atomic>
#include <memory>

namespace Orlix::Automation {

namespace {

// The end is reported by the worker itself: once the application quits, a nested
// event loop returns at once without serving events, so an end queued to this
// thread would never arrive. The wait has told of the quit before it returns.
// What the worker queued to this thread before it reported (a port's refusal, the
// step's flags, the GUI-side copies of the results) is delivered before returning,
// so the next line sees it.
void waitForWorkerReport(Checker& checker)
{
    checker.wait();
    QCoreApplication::sendPostedEvents();
}

// Clears run on the worker behind work already queued; a dropped item (preset,
// shutdown) ends the wait too.
void waitForWorkerToPass(WorkerThread& worker)
{
    Checker checker;
    worker.post([&checker] { checker.report(); }, [&checker] { checker.report(); });
    waitForWorkerReport(checker);
    // The quit drops the clear if it had not run yet.
    if (!acceptsRemoteWork())
        throw AutomationException(kExecutionError);
}

} // namespace

bool runOffsetTask(Step& step, const std::function<void()>& start)
{
    // The step stays alive for the wait even if its setup rebuilds meanwhile.
    const std::shared_ptr<Step> held = step.shared_from_this();
    Checker checker;
    std::atomic<bool> started{false};
    std::atomic<bool> failed{false};
    const QMetaObject::Connection onStarted =
        QObject::connect(&step, &Step::started, &checker, [&started] { started = true; }, Qt::DirectConnection);
    const QMetaObject::Connection onStepError =
        QObject::connect(&step, &Step::error, &checker, [&failed] { failed = true; }, Qt::DirectConnection);
    // A refusing port tells why itself, not through the step.
    const QMetaObject::Connection onRefused =
        QObject::connect(&step, &Step::refused, &checker, [&failed] { failed = true; }, Qt::DirectConnection);
    const QMetaObject::Connection onFinished =
        QObject::connect(&step, &Step::finished, &checker, [&checker] { checker.report(); }, Qt::DirectConnection);
    start();
    if (started)
        waitForWorkerReport(checker);
    for (const QMetaObject::Connection& connection : {onStarted, onStepError, onRefused, onFinished})
        QObject::disconnect(connection);
    // A task dropped from the queue (preset, shutdown) ends without an error text.
    if (failed || (started && !acceptsRemoteWork()))
        throw AutomationException(kExecutionError);
    return started;
}

void clearStepData(Step& step, WorkerThread& worker)
{
    const std::shared_ptr<Step> held = step.shared_from_this();
    step.deleteData();
    waitForWorkerToPass(worker);
}

void changeMeasuredConditions(FixtureSetups& setups, WorkerThread& worker, const std::function<void()>& change)
{
    bool cleared = false;
    const QMetaObject::Connection onCleared =
        QObject::connect(&setups, &FixtureSetups::resultsCleared, [&cleared] { cleared = true; });
    change();
    QObject::disconnect(onCleared);
    if (cleared)
        waitForWorkerToPass(worker);
}

} // namespace Orlix::Automation
