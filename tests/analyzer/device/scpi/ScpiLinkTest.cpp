#include "analyzer/scpi/ScpiDevice.h"
#include "tests/analyzer/device/support/SimulatorSession.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

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
