#include "tests/remote/server/ServerTestSupport.h"

namespace RemoteTest {
namespace {

using SocketProtocol = ServerTest;

TEST_F(SocketProtocol, QueriesAnswerOneLineEach)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    EXPECT_EQ(client.query("*OPC?"), "1\n");
    EXPECT_EQ(client.query("*OPC?;NOLT:SYST:ERR?"), "1;0, No error\n");

    client.send("*OPC?\nTEST:ECHO2? 5\n");
    EXPECT_EQ(client.readLine(), "1\n");
    EXPECT_EQ(client.readLine(), "1,5\n");
}

TEST_F(SocketProtocol, FailedLinesQueueTheirCodesForTheErrorQuery)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("BOGUS\nNOLT:SYST:FIXT:LEFT 1,2\n");
    EXPECT_EQ(client.query("NOLT:SYSTem:ERRor?"), "-110, Command header error\n");
    EXPECT_EQ(client.query("NOLT:SYSTem:ERRor?"), "-104, Data type error\n");
    EXPECT_EQ(client.query("NOLT:SYSTem:ERRor?"), "0, No error\n");

    // Answers collected before the failure are sent; nothing after it runs.
    EXPECT_EQ(client.query("NOLT:SYSTem:ERRor?;BOGUS;NOLT:SYSTem:ERRor?"), "0, No error\n");
    EXPECT_EQ(client.query("NOLT:SYSTem:ERRor?"), "-110, Command header error\n");
}

TEST_F(SocketProtocol, CommandSplitOverTwoSegmentsRunsOnceWhenComplete)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("TEST:ECHO3");
    EXPECT_EQ(client.readLine(50), QByteArray());
    client.send("? 9\n");
    EXPECT_EQ(client.readLine(), "2,9\n");
    EXPECT_EQ(client.query("*OPC?"), "1\n");
    EXPECT_EQ(client.socket.bytesAvailable(), 0);
}

TEST_F(SocketProtocol, CrLfLineEndsWork)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("NOLT:SYST:FIXT:LEFT 1\r\nNOLT:SYST:FIXT:LEFT?\r\n");
    EXPECT_EQ(client.readLine(), "1\n");
    client.send("NOLT:SYST:SET:SAVE 'a.sta'\r\n*OPC?\r\n");
    EXPECT_EQ(client.readLine(), "1\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?\r"), "0, No error\n");
}

TEST_F(SocketProtocol, EmptyLinesAndSettingsSendNothingBack)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("\n\n\r\n;\n  \nNOLT:SYST:FIXT:LEFT 0\n*OPC?\n");
    EXPECT_EQ(client.readLine(), "1\n");
    EXPECT_EQ(client.query("NOLT:SYST:FIXT:LEFT?;:NOLT:SYST:ERR?"), "0;0, No error\n");
    EXPECT_EQ(client.socket.bytesAvailable(), 0);
}

TEST_F(SocketProtocol, EachClientHasItsOwnErrorQueue)
{
    TestClient first;
    TestClient second;
    ASSERT_TRUE(first.connectTo(port));
    ASSERT_TRUE(second.connectTo(port));
    first.send("BOGUS\n");
    second.send("TEST:FAIL\n");
    EXPECT_EQ(second.query("NOLT:SYST:ERR?"), "-262, Invalid step connection\n");
    EXPECT_EQ(first.query("NOLT:SYST:ERR?"), "-110, Command header error\n");
    EXPECT_EQ(first.query("NOLT:SYST:ERR?"), "0, No error\n");
    EXPECT_EQ(second.query("NOLT:SYST:ERR?"), "0, No error\n");
}

TEST_F(SocketProtocol, LinesSentBackToBackAreAllAnsweredInOrder)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    constexpr int lines = 1000;
    for (int i = 0; i < lines; ++i) {
        client.send(QByteArray("TEST:ECHO") + QByteArray::number(i % 50 + 1) + "? " + QByteArray::number(i) + '\n');
        if (i % 7 == 0)
            QCoreApplication::processEvents();
    }
    for (int i = 0; i < lines; ++i) {
        const QByteArray expected = QByteArray::number(i % 50) + ',' + QByteArray::number(i) + '\n';
        ASSERT_EQ(client.readLine(), expected) << "line " << i;
    }
}

} // namespace
} // namespace RemoteTest
