#pragma once

#include "remote/server/SocketRemoteControl.h"
#include "tests/remote/support/TestCommands.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTimer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

namespace RemoteTest {

// A port that nothing listens on at the moment.
inline int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Serves the thread's events until the predicate holds; false after the
// timeout. Wakes at least every millisecond, for conditions that other
// threads change without an event.
inline bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(1);
    while (!predicate()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// A plain TCP client on the test's own thread; every wait serves the events
// of the server, which lives on the same thread.
class TestClient
{
public:
    bool connectTo(int port)
    {
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        return waitUntil([this] { return socket.state() != QAbstractSocket::ConnectingState
                                                && socket.state() != QAbstractSocket::HostLookupState; },
                               5000)
            && socket.state() == QAbstractSocket::ConnectedState;
    }

    void send(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
    }

    // The next answer line with its "\n"; empty after a timeout.
    QByteArray readLine(int timeoutMs = 5000)
    {
        if (!waitUntil([this] { return socket.canReadLine(); }, timeoutMs))
            return {};
        return socket.readLine();
    }

    QByteArray query(const QByteArray& line)
    {
        send(line + '\n');
        return readLine();
    }

    bool waitForDisconnection()
    {
        return waitUntil([this] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000);
    }

    QTcpSocket socket;
};

// Runs a server on a free port with the test registry, and keeps the log
// quiet, counting the disconnections that the server reports.
class ServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerServerTestCommands();
        disconnections() = 0;
        previousHandler = qInstallMessageHandler(&ServerTest::countDisconnections);
        port = freePort();
        server = std::make_unique<Orlix::Automation::SocketRemoteControl>(nullptr, port);
    }

    void TearDown() override
    {
        server.reset();
        qInstallMessageHandler(previousHandler);
    }

    static std::atomic<int>& disconnections()
    {
        static std::atomic<int> count{0};
        return count;
    }

    std::unique_ptr<Orlix::Automation::SocketRemoteControl> server;
    int port = 0;

private:
    static void countDisconnections(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (message.contains("Disconnection"))
            ++disconnections();
    }

    QtMessageHandler previousHandler = nullptr;
};

} // namespace RemoteTest
