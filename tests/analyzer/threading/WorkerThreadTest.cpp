#include "analyzer/threading/Checker.h"
#include "analyzer/threading/QuitNotice.h"
#include "analyzer/threading/WaitForResult.h"
#include "analyzer/threading/WorkerThread.h"
#include "tests/support/MessageCapture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <future>
#include <iostream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Waits until every task posted before it has run.
void drain(WorkerThread& worker)
{
    waitForResult<bool>([&worker](std::function<void(bool)> done) { worker.post([done] { done(true); }); });
}

// A task that holds the worker until the test lets it go.
struct Gate
{
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released{release.get_future().share()};

    WorkerThread::Task task(std::atomic<bool>& finished)
    {
        return [this, &finished] {
            entered.set_value();
            released.wait();
            finished = true;
        };
    }
};

} // namespace

TEST(WorkerThreadTest, TasksFromTwoThreadsRunOneAtATimeInPostingOrder)
{
    WorkerThread worker;
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    std::vector<std::pair<int, int>> ran; // touched only on the worker
    auto taskFor = [&](int source, int index) {
        return [&, source, index] {
            if (running.fetch_add(1) != 0)
                overlapped = true;
            ran.emplace_back(source, index);
            running.fetch_sub(1);
        };
    };

    constexpr int perSource = 200;
    std::thread other([&] {
        for (int i = 0; i < perSource; ++i)
            worker.post(taskFor(1, i));
    });
    for (int i = 0; i < perSource; ++i)
        worker.post(taskFor(0, i));
    other.join();
    drain(worker);

    EXPECT_FALSE(overlapped);
    ASSERT_EQ(ran.size(), 2u * perSource);
    int next[2] = {0, 0};
    for (const auto& [source, index] : ran)
        EXPECT_EQ(index, next[source]++);
}

TEST(WorkerThreadTest, ThrowingTaskIsLoggedAndTheNextTaskRuns)
{
    WorkerThread worker;
    MessageCapture capture;
    bool lastRan = false;
    worker.post([] { throw std::runtime_error("sweep exploded"); });
    worker.post([] { throw 7; });
    worker.post([&lastRan] { lastRan = true; });
    drain(worker);

    EXPECT_TRUE(lastRan);
    EXPECT_TRUE(MessageCapture::lines().contains("sweep exploded"));
    EXPECT_TRUE(MessageCapture::lines().contains("UNKNOWN EXCEPTION"));
}

TEST(WorkerThreadTest, ClearLetsTheRunningTaskFinishAndReleasesWaitersOfDroppedTasks)
{
    WorkerThread worker;
    Gate gate;
    std::atomic<bool> firstFinished{false};
    std::atomic<bool> droppedRan{false};
    worker.post(gate.task(firstFinished));
    worker.post([&droppedRan] { droppedRan = true; });
    gate.entered.get_future().wait();

    // The clear runs on this thread while it waits: the nested loop serves it.
    QTimer::singleShot(0, [&] {
        worker.clear();
        gate.release.set_value();
    });
    const std::optional<int> result = waitForResult<std::optional<int>>([&worker](auto deliver) {
        worker.post([deliver] { deliver(42); }, [deliver] { deliver(std::nullopt); });
    });

    EXPECT_FALSE(result.has_value());
    drain(worker);
    EXPECT_TRUE(firstFinished);
    EXPECT_FALSE(droppedRan);
}

TEST(WorkerThreadTest, StopRunsNoPendingTaskAndDropsLaterPosts)
{
    auto worker = std::make_unique<WorkerThread>();
    Gate gate;
    std::atomic<bool> firstFinished{false};
    std::atomic<bool> pendingRan{false};
    int droppedCount = 0;
    worker->post(gate.task(firstFinished));
    worker->post([&pendingRan] { pendingRan = true; }, [&droppedCount] { ++droppedCount; });
    gate.entered.get_future().wait();

    QTimer::singleShot(0, [&gate] { gate.release.set_value(); });
    worker->stop();

    EXPECT_TRUE(worker->workerThread()->isFinished());
    EXPECT_TRUE(firstFinished);
    EXPECT_FALSE(pendingRan);
    EXPECT_EQ(droppedCount, 1);

    worker->post([&pendingRan] { pendingRan = true; }, [&droppedCount] { ++droppedCount; });
    EXPECT_EQ(droppedCount, 2);
    worker->stop();
    worker.reset();
    EXPECT_FALSE(pendingRan);
}

TEST(WorkerThreadTest, StopOnAnIdleWorkerReturnsPromptly)
{
    WorkerThread worker;
    drain(worker);
    QElapsedTimer elapsed;
    elapsed.start();
    worker.stop();
    EXPECT_LT(elapsed.elapsed(), 500);
    EXPECT_TRUE(worker.workerThread()->isFinished());
}

TEST(WorkerThreadTest, QueuedCallsToObjectsMovedOntoTheWorkerRunThere)
{
    WorkerThread worker;
    QObject onWorker;
    onWorker.moveToThread(worker.workerThread());
    const QThread* ranOn = waitForResult<QThread*>([&onWorker](std::function<void(QThread*)> deliver) {
        QMetaObject::invokeMethod(&onWorker, [deliver] { deliver(QThread::currentThread()); }, Qt::QueuedConnection);
    });
    EXPECT_EQ(ranOn, worker.workerThread());
    QThread* testThread = QThread::currentThread();
    worker.post([&onWorker, testThread] { onWorker.moveToThread(testThread); });
    drain(worker);
}

// A report that lands while the wait is starting is never lost: each wait here
// returns, or the watchdog ends the process instead of the suite hanging.
TEST(CheckerTest, AReportRacingTheStartOfTheWaitEndsIt)
{
    QSemaphore finished;
    std::thread watchdog([&finished] {
        if (!finished.tryAcquire(1, 60000)) {
            std::cerr << "A wait missed its report" << std::endl;
            std::abort();
        }
    });
    for (int i = 0; i < 2000; ++i) {
        Checker checker;
        std::atomic<bool> go{false};
        std::thread reporter([&] {
            while (!go.load())
                ;
            checker.report();
        });
        go.store(true);
        checker.wait();
        reporter.join();
    }
    finished.release();
    watchdog.join();
}

TEST(CheckerTest, ReportBeforeWaitReturnsAtOnce)
{
    Checker checker;
    std::thread reporter([&checker] { checker.report(); });
    reporter.join();
    checker.wait();
    EXPECT_TRUE(checker.isDone());
}

// Once the application has been told to quit, its thread's event loops return at
// once: a wait then tells the observer and blocks until the report, serving nothing.
TEST(CheckerTest, AWaitOutlivingTheApplicationsQuitBlocksUntilTheReport)
{
    QSemaphore quitSeen;
    int told = 0;
    QuitNotice::Observation observation = QuitNotice::observe([&] {
        ++told;
        quitSeen.release();
    });
    Checker checker;
    bool queuedCallRan = false;
    QMetaObject::invokeMethod(&checker, [&queuedCallRan] { queuedCallRan = true; }, Qt::QueuedConnection);
    QCoreApplication::exit(0);
    std::thread reporter([&] {
        quitSeen.acquire();
        checker.report();
    });
    checker.wait();
    reporter.join();
    EXPECT_TRUE(checker.isDone());
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(queuedCallRan);
    observation.reset();
    // A run of the main loop forgets the quit.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_TRUE(queuedCallRan);
}

// The quit ends the wait's loop, and the report lands before the waiting thread
// looks again: the wait still tells of the quit, so that nothing starts after it.
TEST(CheckerTest, AReportLandingAfterTheQuitStillTellsOfTheQuit)
{
    int told = 0;
    QuitNotice::Observation observation = QuitNotice::observe([&told] { ++told; });
    Checker checker;
    QObject context;
    QTimer::singleShot(0, &context, [&checker] {
        QCoreApplication::exit(0);
        std::thread([&checker] { checker.report(); }).join();
    });
    checker.wait();
    EXPECT_EQ(told, 1);
    observation.reset();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(CheckerTest, WaitingThreadServesItsQueuedCalls)
{
    WorkerThread worker;
    Checker checker;
    bool queuedCallRan = false;
    // The worker reports only after the queued call on this thread has run.
    QMetaObject::invokeMethod(
        &checker,
        [&] {
            queuedCallRan = true;
            worker.post([&checker] { checker.report(); });
        },
        Qt::QueuedConnection);
    checker.wait();
    EXPECT_TRUE(queuedCallRan);
}
