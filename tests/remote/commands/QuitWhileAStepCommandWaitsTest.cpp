#include "analyzer/threading/WorkerThread.h"
#include "measurement/fixtures/MeasuredFixturePort.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <QSemaphore>
#include <QTimer>

#include <atomic>

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
    // starts its wait.
    template <typename Signal>
    int quitWhileWaiting(const QByteArray& line, Signal waits)
    {
        QSemaphore release;
        backend->getBackendWorker()->post([&release] { release.acquire(); });
        QObject context;
        QObject::connect(thruStep(), waits, &context, [&context, &release] {
            QTimer::singleShot(0, &context, [&release] {
                QCoreApplication::exit(7);
                release.release();
            });
        });
        QTimer::singleShot(0, &context, [this, &line] { client->send(line + "\n"); });
        HangGuard guard(line.constData());
        return QCoreApplication::exec();
    }
};

// Counts the calls queued to an object that it has received.
class QueuedCallCounter : public QObject
{
public:
    explicit QueuedCallCounter(QObject* watched) { watched->installEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            ++m_count;
        return false;
    }

private:
    std::atomic<int> m_count{0};
};

} // namespace

// A second client's command that reached the application while the first one waited
// is not carried out once the application has been told to quit: the wait, not
// spinning, lets nothing start, and the client hears an execution error.
TEST_F(QuitWhileAStepCommandWaitsTest, ACommandQueuedWhenTheApplicationQuitsNeverStarts)
{
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    RemoteTest::TestClient* second = connectClient();
    ASSERT_NE(second, nullptr);
    QSemaphore release;
    backend->getBackendWorker()->post([&release] { release.acquire(); });
    QObject context;
    QueuedCallCounter calls(backend.get());
    QTimer quitOnceQueued;
    QObject::connect(&quitOnceQueued, &QTimer::timeout, &context, [&] {
        if (calls.count() == 0)
            return;
        quitOnceQueued.stop();
        QCoreApplication::exit(7);
        release.release();
    });
    // The first command waits for the worker; then the second one comes.
    QObject::connect(thruStep(), &Step::started, &context, [&] {
        second->send("NOLT:SYSTem:STEP1:DATA:DELete\nNOLT:SYSTem:ERRor?\n");
        quitOnceQueued.start(1);
    });
    QTimer::singleShot(0, &context, [this] { client->send("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10\n"); });
    HangGuard guard("a command queued behind a waiting one");
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_EQ(thruStep()->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
    EXPECT_EQ(codeOf(second->readLine().trimmed()), 200);
}

TEST_F(QuitWhileAStepCommandWaitsTest, AnOffsetCommandLetsTheApplicationEnd)
{
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    const std::optional<double> before = leftLength();
    ASSERT_TRUE(before);
    EXPECT_EQ(quitWhileWaiting("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10", &Step::started), 7);
    ASSERT_TRUE(leftLength());
    EXPECT_NEAR(*leftLength(), *before + 10e-12, 1e-13);
}

TEST_F(QuitWhileAStepCommandWaitsTest, ADataDeletionLetsTheApplicationEnd)
{
    EXPECT_EQ(quitWhileWaiting("NOLT:SYSTem:STEP1:DATA:DELete", &TransmissionStep::clearMeasureData), 7);
    EXPECT_EQ(thruStep()->thruMeasured(), MeasureEnums::MeasureStatus::NONE);
}
