#include "tests/remote/commands/RemoteCommandSession.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QThreadPool>

namespace {

// A measurement's wait serves every other event inside it, so answers are
// recorded as they arrive, with whether the analyzer was still sweeping.
class BridgeAdmissionTest : public RemoteCommandSession
{
protected:
    void TearDown() override
    {
        QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
        RemoteCommandSession::TearDown();
    }

    RemoteTest::TestClient* recordedClient(const QString& name)
    {
        RemoteTest::TestClient* added = connectClient();
        if (added) {
            QObject::connect(&added->socket, &QTcpSocket::readyRead, &added->socket, [this, added, name] {
                while (added->socket.canReadLine()) {
                    const QString line = QString::fromLatin1(added->socket.readLine().trimmed());
                    arrivals << name + " " + line + (simulator.isSweeping() ? " (sweeping)" : "");
                    elapsed << clock.elapsed();
                }
            });
        }
        return added;
    }

    // Sends on the first sweep that starts.
    void onFirstSweep(std::function<void()> action)
    {
        auto once = std::make_shared<bool>(false);
        QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator,
                         [once, action = std::move(action)] {
                             if (!*once) {
                                 *once = true;
                                 action();
                             }
                         });
    }

    QElapsedTimer clock;
    QStringList arrivals;
    QList<qint64> elapsed;
};

} // namespace

TEST_F(BridgeAdmissionTest, QueriesAnswerDuringAMeasurementWhileCommandsWaitForItsEnd)
{
    startWithAnalyzer();
    RemoteTest::TestClient* first = recordedClient("first");
    RemoteTest::TestClient* second = recordedClient("second");
    RemoteTest::TestClient* third = recordedClient("third");
    ASSERT_TRUE(first && second && third);
    simulator.setSweepTimeMs(300);
    onFirstSweep([second, third] {
        // The query after the command tells whether the command ran after the measurement.
        second->send("NOLT:SYSTem:LPass:IGNore ON;:NOLT:SYSTem:STEP1:MEASured?\n");
        third->send("NOLT:SYSTem:STEP1:MEASured?\n");
    });
    first->send("NOLT:CALCulate:STEP1:THRU;*OPC?\n");
    ASSERT_TRUE(waitFor([this] { return arrivals.size() == 3; }, 5000)) << arrivals.join("; ").toStdString();
    arrivals.sort();
    EXPECT_EQ(arrivals, QStringList({"first 1", "second 1", "third 0 (sweeping)"}));
    EXPECT_EQ(run("NOLT:SYSTem:LPass:IGNore?"), reply("1"));
}

TEST_F(BridgeAdmissionTest, ClientsWaitingOnAMeasurementLeaveThePoolToTheOthers)
{
    QThreadPool::globalInstance()->setMaxThreadCount(2);
    startWithAnalyzer();
    std::vector<RemoteTest::TestClient*> waiting{recordedClient("waiting"), recordedClient("waiting"),
                                                 recordedClient("waiting")};
    RemoteTest::TestClient* other = recordedClient("other");
    ASSERT_NE(other, nullptr);
    simulator.setSweepTimeMs(1200);
    ASSERT_TRUE(waiting[0] && waiting[1] && waiting[2]);
    // One client measures; two commands wait for it, holding their pool threads.
    onFirstSweep([this, waiting, other] {
        waiting[1]->send("NOLT:SYSTem:FIXTure:LEFT 1;*OPC?\n");
        waiting[2]->send("NOLT:SYSTem:FIXTure:RIGHT 1;*OPC?\n");
        QTimer::singleShot(100, &other->socket, [this, other] {
            clock.start();
            other->send("*OPC?\nNOLT:SYSTem:ERRor?\n");
        });
    });
    waiting[0]->send("NOLT:CALCulate:STEP1:THRU;*OPC?\n");
    ASSERT_TRUE(waitFor([this] { return arrivals.size() == 5; }, 5000)) << arrivals.join("; ").toStdString();
    EXPECT_EQ(arrivals.mid(0, 2), QStringList({"other 1 (sweeping)", "other 0, No error (sweeping)"}));
    EXPECT_LT(elapsed.value(1), 1000);
}

TEST_F(BridgeAdmissionTest, OnceShutdownBeganBridgedLinesAnswerWithACode)
{
    startWithAnalyzer();
    // The backend's destructor closes the gate first.
    backend->busyGate()->shutDown();
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT?"), failed(200));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT OFF"), failed(200));
    EXPECT_TRUE(setup(0)->leftFixtureEnabled());
    // The main loop's end stops the command set before the backend goes.
    Orlix::Automation::stopAcceptingRemoteWork();
    EXPECT_EQ(run("NOLT:SYSTem:VNA:IP?"), failed(200));
    EXPECT_EQ(run("*OPC?"), reply("1"));
    Orlix::Automation::startAcceptingRemoteWork();
}
