#include "remote/server/SocketRemoteControl.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

using Orlix::Automation::SocketRemoteControl;

namespace {

// The server with its own event loop on a thread of its own, as the GUI
// thread of the application would run it; the clients block on their sockets.
class ServerThread
{
public:
    ServerThread()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
        probe.close();
        thread.start();
        anchor.moveToThread(&thread);
        QMetaObject::invokeMethod(&anchor, [this] { server = std::make_unique<SocketRemoteControl>(nullptr, port); },
                                  Qt::BlockingQueuedConnection);
    }

    ~ServerThread()
    {
        QMetaObject::invokeMethod(&anchor, [this] { server.reset(); }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    int port = 0;

private:
    QThread thread;
    QObject anchor;
    std::unique_ptr<SocketRemoteControl> server;
};

ServerThread& serverThread()
{
    static ServerThread instance;
    return instance;
}

bool connectClient(QTcpSocket& socket)
{
    socket.connectToHost(QHostAddress::LocalHost, quint16(serverThread().port));
    return socket.waitForConnected(5000);
}

bool readAnswer(QTcpSocket& socket)
{
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(5000))
            return false;
    }
    socket.readLine();
    return true;
}

// One "*OPC?" query and its answer per iteration; with several threads each
// thread is one client, all served at once.
void BM_QueryRoundTrip(benchmark::State& state)
{
    QTcpSocket socket;
    if (!connectClient(socket)) {
        state.SkipWithError("no connection");
        return;
    }
    double worstMicroseconds = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        socket.write("*OPC?\n");
        if (!readAnswer(socket)) {
            state.SkipWithError("no answer");
            break;
        }
        worstMicroseconds = std::max(worstMicroseconds, clock.nsecsElapsed() / 1000.0);
    }
    state.counters["worst_us"] = benchmark::Counter(worstMicroseconds, benchmark::Counter::kAvgThreads);
}
BENCHMARK(BM_QueryRoundTrip)->UseRealTime();
BENCHMARK(BM_QueryRoundTrip)->Threads(16)->UseRealTime();

// Sixteen clients send a query each at the same moment; an iteration ends
// when every one of them has its answer, so a starved client shows as a slow
// iteration.
void BM_SixteenClientsAtOnce(benchmark::State& state)
{
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < 16; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        if (!connectClient(*sockets.back())) {
            state.SkipWithError("no connection");
            return;
        }
    }
    double worstMicroseconds = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        for (auto& socket : sockets)
            socket->write("*OPC?;NOLT:SYST:FIXT:LEFT:PORT1:IMP?\n");
        for (auto& socket : sockets)
            socket->flush();
        for (auto& socket : sockets) {
            if (!readAnswer(*socket)) {
                state.SkipWithError("a client got no answer");
                return;
            }
        }
        worstMicroseconds = std::max(worstMicroseconds, clock.nsecsElapsed() / 1000.0);
    }
    state.counters["worst_us"] = worstMicroseconds;
}
BENCHMARK(BM_SixteenClientsAtOnce)->UseRealTime();

} // namespace
