#include "analyzer/scpi/ScpiDevice.h"
#include "tests/analyzer/device/support/SimulatorSession.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

using Simulator::Fault;

namespace {

class ScpiLinkTest : public SimulatorSession
{
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        simulator.changeModel([](Simulator::AnalyzerModel& model) {
            model.channel(1).startFrequency = 1e9;
            model.channel(1).stopFrequency = 2e9;
        });
    }

    bool connectLink() { return link.connectToHost(host(), simulator.port()); }

    QString identification() const
    {
        const Simulator::Identification id = simulator.model().identification;
        return QStringList{id.manufacturer, id.model, id.serialNumber, id.version}.join(',');
    }

    ScpiDevice link;
    QSignalSpy errors{&link, &ScpiDevice::error};
};

} // namespace

TEST_F(ScpiLinkTest, ConnectingToTheSamePeerAgainSendsNothing)
{
    ASSERT_TRUE(connectLink());
    EXPECT_TRUE(connectLink());
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
    EXPECT_EQ(simulator.connectionIds().size(), 1);
    EXPECT_EQ(lines(), QStringList{"*IDN?"});
}

TEST_F(ScpiLinkTest, AnotherPeerWhileConnectedClosesFirstAndConnectsOnTheNextCall)
{
    Simulator::AnalyzerSimulator other;
    ASSERT_TRUE(other.listen());
    ASSERT_TRUE(connectLink());

    EXPECT_FALSE(link.connectToHost(host(), other.port()));
    EXPECT_FALSE(link.isConnected());
    ASSERT_TRUE(link.connectToHost(host(), other.port()));
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
    EXPECT_EQ(other.receivedLines(other.connectionIds().value(0)), QStringList{"*IDN?"});
}

TEST_F(ScpiLinkTest, RefusedConnectionFailsWhenTheTimeLimitHasPassed)
{
    ScpiDevice shortLimit(nullptr, std::chrono::milliseconds(300));
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(shortLimit.connectToHost(host(), closedPort()));
    EXPECT_GE(elapsed.elapsed(), 300);
    EXPECT_FALSE(shortLimit.isConnected());
}

TEST_F(ScpiLinkTest, ReplyInSeveralSegmentsIsReturnedWhole)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::SplitReply, "*IDN?", 1, 30, 4}));
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(ScpiLinkTest, MissingReplyGivesNoValueWithoutError)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "*IDN?", 1, 0, 1}));
    EXPECT_FALSE(link.query("*IDN?\n", 200).has_value());
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(ScpiLinkTest, LateReplyIsNeverTakenForTheAnswerToTheNextQuery)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::LateReply, "SENS:FREQ:STAR?", 1, 400, 1}));
    EXPECT_FALSE(link.query("SENSe1:FREQuency:STARt?\n", 100).has_value());

    const std::optional<QString> stop = link.query("SENSe1:FREQuency:STOP?\n", 3000);
    ASSERT_TRUE(stop.has_value());
    EXPECT_DOUBLE_EQ(stop->toDouble(), 2e9);
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(ScpiLinkTest, AbandonedRepliesReopenTheLinkQuietlyAndOnlyAFailedReopenIsALoss)
{
    ASSERT_TRUE(connectLink());
    QSignalSpy states(&link, &ScpiDevice::stateChanged);
    QSignalSpy drops(&link, &ScpiDevice::disconnected);
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "*IDN?", 3, 0, 1}));
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(link.query("*IDN?\n", 100).has_value());
    EXPECT_TRUE(link.isConnected());
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
    EXPECT_EQ(simulator.connectionIds().size(), 4);
    EXPECT_EQ(states.count(), 0);
    EXPECT_EQ(drops.count(), 0);

    // A peer that answers nothing and accepts no new connection.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    ScpiDevice shortLimit(nullptr, std::chrono::milliseconds(300));
    ASSERT_TRUE(shortLimit.connectToHost(host(), silent.serverPort()));
    ASSERT_TRUE(silent.hasPendingConnections() || silent.waitForNewConnection(1000));
    ASSERT_NE(silent.nextPendingConnection(), nullptr);
    silent.close();
    QSignalSpy lost(&shortLimit, &ScpiDevice::disconnected);
    EXPECT_FALSE(shortLimit.query("*IDN?\n", 100).has_value());
    EXPECT_FALSE(shortLimit.isConnected());
    EXPECT_EQ(lost.count(), 1);
}

TEST_F(ScpiLinkTest, OverLongReplyIsNoValueAndDropsItsConnection)
{
    QTcpServer flood;
    ASSERT_TRUE(flood.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&flood, &QTcpServer::newConnection, [&flood, &connections] {
        ++connections;
        QTcpSocket* peer = flood.nextPendingConnection();
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            peer->readAll();
            peer->write(QByteArray(ScpiDevice::MaxReplyBytes + 1, 'x'));
        });
    });
    ASSERT_TRUE(link.connectToHost(host(), flood.serverPort()));
    EXPECT_FALSE(link.query("CALCulate1:TRACe1:DATA:SDATa?\n", 5000).has_value());
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(connections, 2);
}

#ifdef Q_OS_UNIX
TEST_F(ScpiLinkTest, ConnectedLinkProbesASilentPeerWithinSeconds)
{
    ASSERT_TRUE(connectLink());
    const auto* socket = link.findChild<QTcpSocket*>();
    ASSERT_NE(socket, nullptr);
    const int descriptor = static_cast<int>(socket->socketDescriptor());
    const auto option = [descriptor](int level, int name) {
        int value = -1;
        socklen_t size = sizeof value;
        return getsockopt(descriptor, level, name, &value, &size) == 0 ? value : -1;
    };
    EXPECT_EQ(option(SOL_SOCKET, SO_KEEPALIVE), 1);
    // A vanished analyzer ends even the wait without a time limit within half a minute.
    const int idle = option(IPPROTO_TCP, TCP_KEEPIDLE);
    const int interval = option(IPPROTO_TCP, TCP_KEEPINTVL);
    const int probes = option(IPPROTO_TCP, TCP_KEEPCNT);
    ASSERT_GT(idle, 0);
    ASSERT_GT(interval, 0);
    ASSERT_GT(probes, 0);
    EXPECT_LE(idle + interval * probes, 30);
}
#endif

TEST_F(ScpiLinkTest, InterruptEndsAWaitWithoutLimitAndItsReplyIsDropped)
{
    simulator.setSweepTimeMs(600);
    ASSERT_TRUE(connectLink());
    for (const char* line : {"INITiate1:CONTinuous OFF\n", ":TRIG:SOUR BUS\n", "INITiate1:IMMediate\n", ":TRIG:SING\n"})
        ASSERT_TRUE(link.write(line));
    QSignalSpy interrupted(&link, &ScpiDevice::interrupted);
    QTimer::singleShot(50, &link, &ScpiDevice::interrupt);

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(link.query("*OPC?\n").has_value());
    EXPECT_LT(elapsed.elapsed(), 600);
    EXPECT_EQ(interrupted.count(), 1);
    // The operation-complete "1" still owed for the abandoned query must not answer this one.
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
}

// Once given up on, a silent analyzer holds the waiting query only until the budget
// runs out, and every later exchange and connection fails at once.
TEST_F(ScpiLinkTest, GivingUpEndsAWaitWithoutLimitWithinTheBudgetAndFailsLaterExchangesAtOnce)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "*OPC?", -1}));
    QTimer::singleShot(0, &link, [this] { link.giveUpAfter(std::chrono::milliseconds(300)); });

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(link.query("*OPC?\n").has_value());
    EXPECT_GE(elapsed.elapsed(), 300);
    EXPECT_FALSE(link.query("*IDN?\n", 3000).has_value());
    link.disconnectFromHost();
    EXPECT_FALSE(connectLink());
    EXPECT_LT(elapsed.elapsed(), 3000);
}

// While the budget runs, the first query that the analyzer leaves unanswered ends it:
// the next line is never sent.
TEST_F(ScpiLinkTest, AQueryLeftUnansweredAfterGivingUpEndsTheBudgetAtOnce)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "*IDN?", 1}));
    link.giveUpAfter(std::chrono::milliseconds(60000));
    EXPECT_FALSE(link.query("*IDN?\n", 200).has_value());
    EXPECT_FALSE(link.query("SENSe1:FREQuency:STARt?\n", 3000).has_value());
    EXPECT_TRUE(allLines().filter("FREQuency:STARt").isEmpty());
}

// An operation-complete query that begins after the budget has started (the quit's
// interrupt came before it) is left unanswered after the limit of a timed one, not
// the whole budget.
TEST_F(ScpiLinkTest, AQueryWithoutLimitBegunWhileTheBudgetRunsEndsItAfterTheQuitReplyLimit)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "*OPC?", -1}));
    link.giveUpAfter(std::chrono::milliseconds(60000));

    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(link.query("*OPC?\n").has_value());
    EXPECT_LT(elapsed.elapsed(), 30000);
    EXPECT_FALSE(link.query("SENSe1:FREQuency:STARt?\n", 3000).has_value());
    EXPECT_TRUE(allLines().filter("FREQuency:STARt").isEmpty());
}

TEST_F(ScpiLinkTest, SecondOfTwoRepliesIsDiscardedBeforeTheNextQuery)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::DoubledReply, "*IDN?", 1, 0, 1}));
    EXPECT_EQ(link.query("*IDN?\n", 3000), identification());
    const std::optional<QString> stop = link.query("SENSe1:FREQuency:STOP?\n", 3000);
    ASSERT_TRUE(stop.has_value());
    EXPECT_DOUBLE_EQ(stop->toDouble(), 2e9);
}

TEST_F(ScpiLinkTest, PeerClosingDuringAQueryGivesNoValueWithoutError)
{
    ASSERT_TRUE(connectLink());
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::DropConnection, "*IDN?", 1, 0, 1}));
    EXPECT_FALSE(link.query("*IDN?\n", 3000).has_value());
    EXPECT_FALSE(link.isConnected());
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(ScpiLinkTest, WriteWhileUnconnectedFailsWithoutError)
{
    EXPECT_FALSE(link.write("*RST\n"));
    EXPECT_FALSE(link.query("*IDN?\n", 100).has_value());
    EXPECT_EQ(errors.count(), 0);
}
