#include "remote/server/SocketRemoteClient.h"
#include "tests/remote/server/ServerTestSupport.h"

#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <vector>

namespace RemoteTest {
namespace {

using Orlix::Automation::SocketRemoteClient;
using ClientLifecycle = ServerTest;

QByteArray repeated(const QByteArray& text, int times, char separator)
{
    QByteArrayList texts;
    for (int i = 0; i < times; ++i)
        texts.append(text);
    return texts.join(separator);
}

TEST_F(ClientLifecycle, DisconnectWhileALineRunsBlocksNothingAndFreesTheClientAfterwards)
{
    BlockGate::reset();
    TestClient leaving;
    ASSERT_TRUE(leaving.connectTo(port));
    ASSERT_TRUE(waitUntil([this] { return server->findChildren<SocketRemoteClient*>().size() == 1; }));
    QPointer<SocketRemoteClient> leavingClient = server->findChildren<SocketRemoteClient*>().first();

    // The running line needs the main thread once released; the queued line runs after it.
    leaving.send("TEST:BLOCK;TEST:GUI?\n*OPC?\n");
    ASSERT_TRUE(waitUntil([] { return BlockGate::entered() == 1; }));
    leaving.socket.abort();
    ASSERT_TRUE(waitUntil([] { return disconnections() == 1; }));

    TestClient staying;
    ASSERT_TRUE(staying.connectTo(port));
    EXPECT_EQ(staying.query("*OPC?"), "1\n");
    EXPECT_FALSE(leavingClient.isNull());

    BlockGate::release();
    EXPECT_TRUE(waitUntil([&] { return leavingClient.isNull(); }));
    EXPECT_EQ(staying.query("*OPC?"), "1\n");
}

TEST_F(ClientLifecycle, DestroyingTheServerLeavesARunningLineToFinishOnItsOwn)
{
    BlockGate::reset();
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("TEST:BLOCK;TEST:GUI?\n");
    ASSERT_TRUE(waitUntil([] { return BlockGate::entered() == 1; }));
    QPointer<SocketRemoteClient> running = server->findChildren<SocketRemoteClient*>().first();

    server.reset(); // returns at once although the line is blocked
    EXPECT_TRUE(client.waitForDisconnection());
    ASSERT_FALSE(running.isNull());

    BlockGate::release();
    EXPECT_TRUE(waitUntil([&] { return running.isNull(); }));
}

TEST_F(ClientLifecycle, AnEndlessLineIsRefusedWith115AndTheClientGoesOn)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    const QByteArray block(64 * 1024, 'A');
    for (int i = 0; i < 16; ++i) {
        client.send(block);
        ASSERT_TRUE(waitUntil([&] { return client.socket.bytesToWrite() == 0; }));
    }
    client.send("\n*OPC?\n");
    EXPECT_EQ(client.readLine(), "1\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?"), "-115, Input buffer is full\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?"), "0, No error\n");
}

TEST_F(ClientLifecycle, AFloodOfFailingLinesKeepsOnlyTheOldestErrors)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send(repeated("BOGUS\nTEST:FAIL", 500, '\n') + '\n');
    const QByteArray answer = client.query(repeated(":NOLT:SYST:ERR?", 120, ';'));
    const QList<QByteArray> replies = answer.trimmed().split(';');
    ASSERT_EQ(replies.size(), 120);
    for (int i = 0; i < Orlix::Automation::RemoteClientBase::maxQueuedErrors; ++i) {
        ASSERT_EQ(replies[i], i % 2 == 0 ? "-110, Command header error" : "-262, Invalid step connection") << i;
    }
    for (int i = Orlix::Automation::RemoteClientBase::maxQueuedErrors; i < replies.size(); ++i)
        ASSERT_EQ(replies[i], "0, No error") << i;
}

TEST_F(ClientLifecycle, LinesQueuedBehindABlockedLineAreAllAnsweredInOrder)
{
    BlockGate::reset();
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    // More than the socket's read buffer, in more lines than are kept pending.
    constexpr int lines = 400;
    QByteArray flood = "TEST:BLOCK\n";
    for (int i = 0; i < lines; ++i)
        flood += QByteArray(1000, ' ') + "TEST:ECHO? " + QByteArray::number(i) + '\n';
    client.send(flood);
    ASSERT_TRUE(waitUntil([] { return BlockGate::entered() == 1; }));
    BlockGate::release();
    for (int i = 0; i < lines; ++i)
        ASSERT_EQ(client.readLine(), "0," + QByteArray::number(i) + '\n') << i;
}

TEST_F(ClientLifecycle, APeerThatDoesNotReadItsAnswersHoldsItsLinesBack)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.socket.setReadBufferSize(64 * 1024); // keeps the answers in the kernel, not in this test
    takeBulkAnswerCount();
    constexpr int lines = 1000; // 64 MiB of answers
    client.send(repeated("TEST:BULK?", lines, '\n') + '\n');
    int answered = 0;
    // Runs until the unsent answers stop it; then nothing moves any more.
    ASSERT_TRUE(waitUntil([&] { return (answered += takeBulkAnswerCount()) > 10; }));
    waitUntil([&] { answered += takeBulkAnswerCount(); return false; }, 200);
    EXPECT_LT(answered, lines / 2);

    client.socket.setReadBufferSize(0);
    for (int i = 0; i < lines; ++i)
        ASSERT_EQ(client.readLine().size(), bulkAnswerSize + 1) << i;
}

TEST_F(ClientLifecycle, LinesHeldBackWhenThePeerLeavesAreStillExecuted)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    QPointer<SocketRemoteClient> serverSide = server->findChildren<SocketRemoteClient*>().value(0);
    ASSERT_FALSE(serverSide.isNull());
    client.socket.setReadBufferSize(64 * 1024);
    takeBulkAnswerCount();
    constexpr int lines = 1000;
    client.send(repeated("TEST:BULK?", lines, '\n') + '\n');
    int answered = 0;
    ASSERT_TRUE(waitUntil([&] { return (answered += takeBulkAnswerCount()) > 10; }));
    waitUntil([&] { answered += takeBulkAnswerCount(); return false; }, 200);
    ASSERT_LT(answered, lines) << "the unread answers must have held the lines back";

    client.socket.abort();
    ASSERT_TRUE(waitUntil([&] { return serverSide.isNull(); }));
    EXPECT_EQ(answered + takeBulkAnswerCount(), lines);
}

TEST_F(ClientLifecycle, DestroyingTheServerStartsNoLineOfAnIdleClient)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.socket.setReadBufferSize(64 * 1024);
    takeBulkAnswerCount();
    client.send(repeated("TEST:BULK?", 1000, '\n') + '\n');
    int answered = 0;
    ASSERT_TRUE(waitUntil([&] { return (answered += takeBulkAnswerCount()) > 10; }));
    // Held back by the unread answers, with lines still pending.
    waitUntil([&] { answered += takeBulkAnswerCount(); return false; }, 200);
    ASSERT_LT(answered, 1000);

    server.reset();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(takeBulkAnswerCount(), 0) << "a line started for a client that the server took with it";
}

TEST_F(ClientLifecycle, MultiByteTextSplitBetweenSegmentsArrivesIntact)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    const QByteArray text = "caf\xc3\xa9 \xe2\x82\xac";
    const QByteArray line = "TEST:TEXT \"" + text + "\"\n";
    for (const int split : {14, 17, 18}) { // inside the two- and three-byte characters
        client.send(line.left(split));
        waitUntil([] { return false; }, 10);
        client.send(line.mid(split));
        EXPECT_EQ(client.query("TEST:TEXT?"), text + '\n') << split;
    }
}

TEST_F(ClientLifecycle, HandlerBugsBecomeExecutionErrors)
{
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    client.send("*OPC?;TEST:THROW\nTEST:THROW:OTHER\n");
    EXPECT_EQ(client.readLine(), "1\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?"), "-200, Execution error\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?"), "-200, Execution error\n");
    EXPECT_EQ(client.query("NOLT:SYST:ERR?"), "0, No error\n");
}

TEST_F(ClientLifecycle, SixteenClientsParsingAtOnceKeepTheirOwnSuffixesAndArguments)
{
    constexpr int clientCount = 16;
    constexpr int linesPerClient = 30;
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int c = 0; c < clientCount; ++c) {
        clients.push_back(std::make_unique<TestClient>());
        ASSERT_TRUE(clients.back()->connectTo(port));
    }
    auto suffix = [](int c, int i) { return c * 100 + i + 1; };
    auto value = [](int c, int i) { return -(c * 1000 + i); };
    for (int i = 0; i < linesPerClient; ++i) {
        for (int c = 0; c < clientCount; ++c) {
            clients[std::size_t(c)]->send("TEST:SLOW" + QByteArray::number(suffix(c, i)) + "? "
                                          + QByteArray::number(value(c, i)) + ";:TEST:ECHO? 7\n");
        }
    }
    for (int i = 0; i < linesPerClient; ++i) {
        for (int c = 0; c < clientCount; ++c) {
            const QByteArray expected =
                QByteArray::number(suffix(c, i) - 1) + ',' + QByteArray::number(value(c, i)) + ";0,7\n";
            ASSERT_EQ(clients[std::size_t(c)]->readLine(), expected) << "client " << c << " line " << i;
        }
    }
}

} // namespace
} // namespace RemoteTest
