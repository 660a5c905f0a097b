#include "tests/simulator/support/ScpiTestClient.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Reads the port that the program announces on its first output line.
quint16 announcedPort(QProcess& program)
{
    if (!program.waitForReadyRead(5000))
        return 0;
    const auto match = QRegularExpression("listening on 127\\.0\\.0\\.1:(\\d+)").match(program.readAllStandardOutput());
    return match.hasMatch() ? static_cast<quint16>(match.captured(1).toUInt()) : 0;
}

} // namespace

TEST(SimulatorProgram, HelpListsTheOptionsAndTheControlCommands)
{
    QProcess program;
    program.start(NOLT_SIMULATOR_PROGRAM, {"--help"});
    ASSERT_TRUE(program.waitForFinished(5000));
    const QString help = program.readAllStandardOutput();
    for (const char* item : {"--port", "--ports", "--sweep-time", "--world", "SIMulator:WORLd THRU|OPEN|SHORt|DUT",
                             "SIMulator:WORLd:FILE", "SIMulator:FAULt", "SIMulator:PORT:COUNt"})
        EXPECT_TRUE(help.contains(item)) << item;
}

TEST(SimulatorProgram, ServesTheRequestedPortsOnTheGivenPort)
{
    QProcess program;
    program.start(NOLT_SIMULATOR_PROGRAM, {"--port", "0", "--ports", "4"});
    const quint16 port = announcedPort(program);
    ASSERT_NE(port, 0);

    ScpiTestClient client;
    ASSERT_TRUE(client.connectTo(port));
    EXPECT_EQ(client.query("SERVice:PORT:COUNt?"), "4");
    EXPECT_EQ(client.query("SENSe1:CORRection:TYPE?"), "SOLT4,1,2,3,4");
    EXPECT_EQ(client.query("SIMulator:WORLd?"), "THRU");
    program.kill();
    program.waitForFinished(5000);
}

TEST(SimulatorProgram, RefusesInvalidOptions)
{
    QProcess program;
    program.start(NOLT_SIMULATOR_PROGRAM, {"--ports", "12"});
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 2);
}
