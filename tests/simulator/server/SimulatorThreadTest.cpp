#include "simulator/AnalyzerSimulator.h"
#include "simulator/AnalyzerSimulatorThread.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace Simulator;

// The test's thread blocks in the socket's waits; the simulator answers from its own thread.
TEST(AnalyzerSimulatorThread, ServesWhileTheCallersThreadBlocks)
{
    AnalyzerSimulatorThread background(4);
    AnalyzerSimulator& simulator = background.simulator();
    ASSERT_TRUE(simulator.listen());
    simulator.setSweepTimeMs(50);

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, simulator.port());
    ASSERT_TRUE(socket.waitForConnected(2000));
    socket.write("SERVice:PORT:COUNt?\n:TRIG:SING\n*OPC?\n");
    ASSERT_TRUE(socket.waitForReadyRead(2000));
    while (!socket.canReadLine())
        ASSERT_TRUE(socket.waitForReadyRead(2000));
    EXPECT_EQ(socket.readLine(), "4\n");
    while (!socket.canReadLine())
        ASSERT_TRUE(socket.waitForReadyRead(2000));
    EXPECT_EQ(socket.readLine(), "1\n");

    // The public functions work from the test's thread.
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).points = 11; });
    EXPECT_EQ(simulator.model().channels.at(1).points, 11);
    EXPECT_EQ(simulator.receivedLines(1), (QStringList{"SERVice:PORT:COUNt?", ":TRIG:SING", "*OPC?"}));
}
