#include "tests/simulator/support/SimulatorFixture.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace Simulator;

namespace {

class Faults : public SimulatorFixture
{
protected:
    Fault fault(Fault::Kind kind, const QString& command, int count = 1)
    {
        Fault result;
        result.kind = kind;
        result.command = command;
        result.count = count;
        return result;
    }
};

} // namespace

TEST_F(Faults, NotReadyAnswersZero)
{
    simulator.setReady(false);
    EXPECT_EQ(client.query("SYST:READy?"), "0");
    client.send("SIMulator:READy 1");
    EXPECT_EQ(client.query("SYST:READy?"), "1");
}

TEST_F(Faults, NoReplyAppliesToItsHeaderInAnyFormAndCountsDown)
{
    ASSERT_TRUE(simulator.injectFault(fault(Fault::Kind::NoReply, "sens:freq:star?", 2)));
    EXPECT_FALSE(client.query("SENSe1:FREQuency:STARt?", 150));
    EXPECT_EQ(client.query("SENSe1:FREQuency:STOP?"), "20000000000"); // other headers are untouched
    EXPECT_FALSE(client.query("SENS2:FREQ:STAR?", 150));
    EXPECT_EQ(client.query("SENSe1:FREQuency:STARt?"), "100000");
    // The query itself was carried out and logged.
    EXPECT_EQ(simulator.receivedLines(1).size(), 4);
    EXPECT_FALSE(simulator.injectFault(fault(Fault::Kind::NoReply, "NOT:A:HEADer?")));
}

TEST_F(Faults, LateReplyHoldsTheLinesBehindIt)
{
    Fault late = fault(Fault::Kind::LateReply, "*IDN?");
    late.delayMs = 300;
    ASSERT_TRUE(simulator.injectFault(late));
    client.send("*IDN?");
    client.send("SYST:READy?");
    EXPECT_FALSE(client.readLine(100)); // a client with a short time limit sees nothing
    const auto identification = client.readLine();
    ASSERT_TRUE(identification);
    EXPECT_EQ(identification->split(',').size(), 4);
    EXPECT_EQ(client.readLine(), "1");
}

TEST_F(Faults, SplitReplyArrivesInSeveralSegments)
{
    Fault split = fault(Fault::Kind::SplitReply, "SENSe:FREQuency:DATA?");
    split.segments = 4;
    split.delayMs = 40;
    ASSERT_TRUE(simulator.injectFault(split));
    client.send("SENSe1:SWEep:POINts 11");
    client.send("SENSe1:FREQuency:DATA?");

    // The first piece arrives without its line end; the whole line follows.
    ASSERT_TRUE(client.waitFor([&] { return client.socket().bytesAvailable() > 0; }, 2000));
    EXPECT_FALSE(client.socket().canReadLine());
    const auto reply = client.readLine();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->split(',').size(), 11);
}

TEST_F(Faults, DoubledReplySendsTheLineTwiceAtOnce)
{
    ASSERT_TRUE(simulator.injectFault(fault(Fault::Kind::DoubledReply, "SERVice:PORT:COUNt?")));
    client.send("SERVice:PORT:COUNt?");
    ASSERT_TRUE(client.waitFor([&] { return client.socket().bytesAvailable() >= 4; }, 2000));
    EXPECT_EQ(client.socket().readAll(), "2\n2\n");
}

TEST_F(Faults, DroppedConnectionClosesBeforeTheLineIsCarriedOut)
{
    ASSERT_TRUE(simulator.injectFault(fault(Fault::Kind::DropConnection, "SENSe:SWEep:POINts")));
    client.send("SENSe1:SWEep:POINts 11");
    EXPECT_TRUE(client.waitForClose());
    EXPECT_EQ(simulator.model().channels.at(1).points, 201);

    // The analyzer accepts the next connection as usual.
    ScpiTestClient again;
    ASSERT_TRUE(again.connectTo(simulator.port()));
    EXPECT_EQ(again.query("SENSe1:SWEep:POINts?"), "201");
    EXPECT_EQ(simulator.connectionIds(), (QList<int>{1, 2}));
}

TEST_F(Faults, RefusedLineIsNotCarriedOutAndIsListedAsRejected)
{
    client.send("SIMulator:FAULt REFuse,SENSe:SWEep:POINts");
    client.send("SENSe1:SWEep:POINts 11");
    EXPECT_EQ(client.query("SENSe1:SWEep:POINts?"), "201");
    EXPECT_EQ(simulator.rejectedLines(1).size(), 1);
    client.send("SENSe1:SWEep:POINts 11");
    EXPECT_EQ(client.query("SENSe1:SWEep:POINts?"), "11");
}

TEST_F(Faults, FaultsWithoutAHeaderHitTheNextQueries)
{
    ASSERT_TRUE(simulator.injectFault(fault(Fault::Kind::NoReply, "", -1)));
    client.send("SENSe1:SWEep:POINts 11"); // commands are not queries
    EXPECT_FALSE(client.query("SYST:READy?", 100));
    EXPECT_FALSE(client.query("*IDN?", 100));
    simulator.clearFaults();
    EXPECT_EQ(client.query("SENSe1:SWEep:POINts?"), "11");
}

TEST_F(Faults, ControlCommandsInjectFaultsAndChangeThePortCount)
{
    client.send("SIMulator:FAULt NOReply,SERVice:PORT:COUNt?,1");
    EXPECT_FALSE(client.query("SERVice:PORT:COUNt?", 100));
    client.send("SIMulator:PORT:COUNt 4");
    EXPECT_EQ(client.query("SERVice:PORT:COUNt?"), "4");
    EXPECT_EQ(client.query("SENSe:CORRection:PORT4:IMPedance?"), "50");
    client.send("SIMulator:FAULt DROP");
    client.send("*IDN?");
    EXPECT_TRUE(client.waitForClose());
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
}

TEST_F(Faults, ClosingTheServerDropsEveryConnection)
{
    simulator.close();
    EXPECT_TRUE(client.waitForClose());
    EXPECT_EQ(simulator.port(), 0);
}
