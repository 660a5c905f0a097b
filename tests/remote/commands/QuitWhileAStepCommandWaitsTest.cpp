#include "analyzer/threading/QuitNotice.h"
#include "analyzer/threading/WorkerThread.h"
#include "app/startup/LoopEndQuit.h"
#include "measurement/fixtures/MeasuredFixturePort.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <QSemaphore>
#include <QTimer>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <utility>

#include <cstdlib>
#include <iostream>
#include <thread>

namespace {

// Ends the process when the application's main loop has not come back long after
// it was told to quit: a wait that needs the event loop once the application
// quits would otherwise hold the test forever.
class HangGuard
{
public:
    explicit HangGuard(const char* what)
        : m_thread([this, what] {
            if (!m_ended.tryAcquire(1, 60000)) {
                std::cerr << "The main loop never ended: " << what << std::endl;
                std::abort();
            }
        })
    {
    }
    ~HangGuard()
    {
        m_ended.release();
        m_thread.join();
    }

private:
    QSemaphore m_ended;
    std::thread m_thread;
};

// Holds a worker in a task of its own until let go, at the latest when the hold
// goes. The task shares its state with the hold: the worker may reach its wait
// only after the hold has gone, and then passes at once.
class WorkerHold
{
public:
    explicit WorkerHold(WorkerThread& worker)
    {
        worker.post([released = m_released.get_future().share()] { released.wait(); });
    }
    WorkerHold(const WorkerHold&) = delete;
    WorkerHold& operator=(const WorkerHold&) = delete;
    ~WorkerHold() { letGo(); }

    void letGo()
    {
        if (!m_letGo.exchange(true))
            m_released.set_value();
    }

private:
    std::promise<void> m_released;
    std::atomic<bool> m_letGo{false};
};

// A 2x-thru measured remotely, then one command that waits for the backend worker
// sent while the application runs its main loop; the application is told to quit
// while the command waits, with the worker held until then.
class QuitWhileAStepCommandWaitsTest : public RemoteCommandSession
{
protected:
    void SetUp() override
    {
        RemoteCommandSession::SetUp();
        startWithAnalyzer();
        ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
        ASSERT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    }

    TransmissionStep* thruStep() const { return qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get()); }

    // Read while the backend worker is idle.
    std::optional<double> leftLength() const
    {
        return setup(0)->leftFixtureConn()->getFixturePort(0)->measureData()->fixtureLength();
    }

    // The main loop's exit code. `waits` is emitted by the step as the command
    // starts its wait; the worker is held until the application has learnt of the
    // quit, so the command's work is still queued then. The command's error code
    // goes to `code`.
    template <typename Signal>
    int quitWhileWaiting(const QByteArray& line, Signal waits, int& code)
    {
        WorkerHold hold(*backend->getBackendWorker());
        const QuitNotice::Observation releaseAtQuit = QuitNotice::observe([&hold] { hold.letGo(); });
        QObject context;
        QObject::connect(thruStep(), waits, &context,
                         [&context] { QTimer::singleShot(0, &context, [] { QCoreApplication::exit(7); }); });
        QTimer::singleShot(0, &context, [this, &line] { client->send(line + "\nNOLT:SYSTem:ERRor?\n"); });
        HangGuard guard(line.constData());
        const int result = QCoreApplication::exec();
        code = codeOf(client->readLine().trimmed());
        return result;
    }
};

// Tells once when the watched object receives a call queued to it.
class QueuedCallWatch : public QObject
{
public:
    QueuedCallWatch(QObject* watched, std::function<void()> received) : m_received(std::move(received))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall && m_received)
            std::exchange(m_received, {})();
        return false;
    }

private:
    std::function<void()> m_received;
};

} // namespace

// A second client's command that reached the application while the first one waited
// is not carried out once the application has been told to quit, also when the
// first command's work reports between the quit and the moment its wait looks
// again: the client hears an execution error, and so does the first one.
TEST_F(QuitWhileAStepCommandWaitsTest, ACommandQueuedWhenTheApplicationQuitsNeverStarts)
{
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    RemoteTest::TestClient* second = connectClient();
    ASSERT_NE(second, nullptr);
    WorkerThread* worker = backend->getBackendWorker();
    WorkerHold hold(*worker);
    QObject context;
    std::unique_ptr<QueuedCallWatch> calls;
    // Once the second command has reached the application: quit, then let the first
    // command's work run to its report before this thread looks again.
    const auto quitOnceQueued = [&] {
        QSemaphore reported;
        worker->post([&reported] { reported.release(); });
        QCoreApplication::exit(7);
        hold.letGo();
        reported.acquire();
    };
    // The first command waits for the worker; then the second one comes.
    QObject::connect(thruStep(), &Step::started, &context, [&] {
        calls = std::make_unique<QueuedCallWatch>(backend.get(),
                                                  [&] { QTimer::singleShot(0, &context, quitOnceQueued); });
        second->send("NOLT:SYSTem:STEP1:DATA:DELete\nNOLT:SYSTem:ERRor?\n");
    });
    QTimer::singleShot(0, &context, [this] { client->send("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10\nNOLT:SYSTem:ERRor?\n"); });
    HangGuard guard("a command queued behind a waiting one");
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_EQ(thruStep()->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
    EXPECT_EQ(codeOf(second->readLine().trimmed()), 200);
    EXPECT_EQ(codeOf(client->readLine().trimmed()), 200);
}

// A re-measure that the user cancels as the application quits keeps the earlier
// result; the client must not take it for a new one.
TEST_F(QuitWhileAStepCommandWaitsTest, AReMeasureCancelledAtTheQuitAnswersAnError)
{
    QObject context;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator, [&, once] {
        QObject::disconnect(*once);
        QMetaObject::invokeMethod(&context, [this] {
            backend->getFixtureSetups()->interrupt();
            backend->getVnaDevice()->interrupt();
            QCoreApplication::exit(7);
        }, Qt::QueuedConnection);
    });
    simulator.setSweepTimeMs(2000);
    QTimer::singleShot(0, &context, [this] { client->send("NOLT:CALCulate:STEP1:THRU\nNOLT:SYSTem:ERRor?\n"); });
    HangGuard guard("a re-measure cancelled at the quit");
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_EQ(thruStep()->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
    EXPECT_EQ(codeOf(client->readLine(30000).trimmed()), 200);
}

// The quit drops work that has not started: the offset is not applied, the data
// stay, and the client is not told otherwise.
TEST_F(QuitWhileAStepCommandWaitsTest, AnOffsetCommandLetsTheApplicationEnd)
{
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    const std::optional<double> before = leftLength();
    ASSERT_TRUE(before);
    int code = 0;
    EXPECT_EQ(quitWhileWaiting("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10", &Step::started, code), 7);
    EXPECT_EQ(code, 200);
    ASSERT_TRUE(leftLength());
    EXPECT_NEAR(*leftLength(), *before, 1e-13);
}

TEST_F(QuitWhileAStepCommandWaitsTest, ADataDeletionLetsTheApplicationEnd)
{
    int code = 0;
    EXPECT_EQ(quitWhileWaiting("NOLT:SYSTem:STEP1:DATA:DELete", &TransmissionStep::clearMeasureData, code), 7);
    EXPECT_EQ(code, 200);
    EXPECT_EQ(thruStep()->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
}

// The main loop may end while nothing waits and nobody told of the quit: with the
// start-up's hook the remote side refuses work from then on, and so everyone acting
// on the quit hears of it, the backend included.
TEST_F(QuitWhileAStepCommandWaitsTest, AMainLoopEndedWithoutANoticeIsToldAsAQuit)
{
    QObject context;
    Startup::tellTheQuitWhenTheMainLoopEnds(&context);
    int told = 0;
    const QuitNotice::Observation observation = QuitNotice::observe([&told] { ++told; });
    QTimer::singleShot(0, &context, [] { QCoreApplication::exit(7); });
    HangGuard guard("a main loop ended from outside");
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(backend->busyGate()->isShutDown());
}
