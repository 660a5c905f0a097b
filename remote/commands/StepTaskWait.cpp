#include "remote/commands/StepTaskWait.h"

#include "analyzer/threading/Checker.h"
#include "analyzer/threading/WorkerThread.h"
#include "measurement/steps/Step.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/parser/AutomationException.h"

#include <atomic>
#include <memory>

namespace Orlix::Automation {

bool runOffsetTask(Step& step, const std::function<void()>& start)
{
    // The step stays alive for the wait even if its setup rebuilds meanwhile.
    const std::shared_ptr<Step> held = step.shared_from_this();
    Checker checker;
    std::atomic<bool> started{false};
    std::atomic<bool> failed{false};
    // The task reports from the worker; a refusal of one of its ports reaches the
    // step through the GUI thread's queue, so the end is queued behind it.
    const QMetaObject::Connection onStarted =
        QObject::connect(&step, &Step::started, &checker, [&started] { started = true; }, Qt::DirectConnection);
    const QMetaObject::Connection onStepError =
        QObject::connect(&step, &Step::error, &checker, [&failed] { failed = true; }, Qt::DirectConnection);
    const QMetaObject::Connection onFinished =
        QObject::connect(&step, &Step::finished, &checker, [&checker] { checker.report(); }, Qt::QueuedConnection);
    start();
    if (started)
        checker.wait();
    for (const QMetaObject::Connection& connection : {onStarted, onStepError, onFinished})
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
    // The clear runs on the worker behind work already queued, and the GUI-side
    // copies of the results take their change through this thread's queue: the end
    // is queued behind both. A dropped item (preset, shutdown) ends the wait too.
    Checker checker;
    worker.post(
        [&checker] { QMetaObject::invokeMethod(&checker, [&checker] { checker.report(); }, Qt::QueuedConnection); },
        [&checker] { checker.report(); });
    checker.wait();
}

} // namespace Orlix::Automation
