#include "simulator/AnalyzerSimulator.h"
#include "tests/simulator/support/ScpiTestClient.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Simulator;

namespace {

class SweepAndAbort : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(simulator.listen());
        ASSERT_TRUE(mainLink.connectTo(simulator.port()));
        ASSERT_TRUE(abortLink.connectTo(simulator.port()));
    }

    // What the application sends to measure S11 and S21 of channel 1.
    void startTwoTraceSweep()
    {
        for (const char* line : {"CALCulate1:PARameter:COUNt 2", "CALCulate1:PARameter1:DEFine S11",
                                    "CALCulate1:PARameter2:DEFine S21", "INITiate1:CONTinuous OFF", ":TRIG:SOUR BUS",
                                    "INITiate1:IMMediate", ":TRIG:SING"})
            mainLink.send(line);
    }

    AnalyzerSimulator simulator;
    ScpiTestClient mainLink;
    ScpiTestClient abortLink;
};

} // namespace

TEST_F(SweepAndAbort, OperationCompleteAnswersWhenTheSweepEnds)
{
    simulator.setSweepTimeMs(150);
    QSignalSpy finished(&simulator, &AnalyzerSimulator::sweepFinished);
    startTwoTraceSweep();
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(mainLink.query("*OPC?"), "1");
    EXPECT_GE(timer.elapsed(), 100);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_FALSE(finished.front().front().toBool());

    const QStringList s21 = mainLink.query("CALCulate1:TRACe2:DATA:SDATa?").value_or("").split(',');
    EXPECT_EQ(s21.size(), 2 * 201);
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
}

TEST_F(SweepAndAbort, AbortOnTheSecondLinkEndsAPendingOperationComplete)
{
    simulator.setSweepTimeMs(60000);
    QSignalSpy received(&simulator, &AnalyzerSimulator::lineReceived);
    startTwoTraceSweep();
    mainLink.send("*OPC?");
    mainLink.send("SYST:READy?"); // waits behind "*OPC?" on its connection
    while (received.size() < 9)
        ASSERT_TRUE(received.wait(2000));
    EXPECT_FALSE(mainLink.readLine(100));
    ASSERT_TRUE(simulator.isSweeping());

    // The other connection is still served while the first one waits.
    EXPECT_EQ(abortLink.query("SERVice:PORT:COUNt?"), "2");
    QSignalSpy finished(&simulator, &AnalyzerSimulator::sweepFinished);
    abortLink.send("ABORt");
    EXPECT_EQ(mainLink.readLine(), "1");
    EXPECT_EQ(mainLink.readLine(), "1");
    ASSERT_EQ(finished.size(), 1);
    EXPECT_TRUE(finished.front().front().toBool());
    EXPECT_FALSE(simulator.isSweeping());
    EXPECT_EQ(simulator.receivedLines(2), (QStringList{"SERVice:PORT:COUNt?", "ABORt"}));
}

TEST_F(SweepAndAbort, OperationCompleteWithoutASweepAnswersAtOnce)
{
    simulator.setSweepTimeMs(60000);
    EXPECT_EQ(mainLink.query("*OPC?", 500), "1");
}

TEST_F(SweepAndAbort, HeldDataStaysUntilTheNextSweep)
{
    simulator.setSweepTimeMs(0);
    startTwoTraceSweep();
    ASSERT_EQ(mainLink.query("*OPC?"), "1");
    const auto thru = mainLink.query("CALCulate1:TRACe2:DATA:SDATa?");
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    EXPECT_EQ(mainLink.query("CALCulate1:TRACe2:DATA:SDATa?"), thru);

    mainLink.send("INITiate1:IMMediate");
    mainLink.send(":TRIG:SING");
    ASSERT_EQ(mainLink.query("*OPC?"), "1");
    const QStringList open = mainLink.query("CALCulate1:TRACe2:DATA:SDATa?").value_or("").split(',');
    ASSERT_EQ(open.size(), 2 * 201);
    for (const QString& value : open)
        EXPECT_EQ(value.toDouble(), 0.0);
}
