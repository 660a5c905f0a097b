#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "app/settings/Settings.h"
#include "remote/commands/NoltScpiCommands.h"
#include "remote/server/SocketRemoteControl.h"
#include "simulator/AnalyzerSimulator.h"
#include "simulator/AnalyzerSimulatorThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The application's backend with the command set, on a thread with its own
// event loop as the GUI thread would run it, against the simulator on another.
class Application
{
public:
    Application()
    {
        QDir::setCurrent(directory.path());
        analyzer.simulator().listen();
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
        probe.close();
        thread.start();
        anchor.moveToThread(&thread);
        QMetaObject::invokeMethod(
            &anchor,
            [this] {
                settings = std::make_unique<Settings>();
                settings->setIpAddress(QStringLiteral("127.0.0.1"));
                settings->setPort(analyzer.simulator().port());
                BackendOptions options;
                options.remotePort = port;
                backend = std::make_unique<MainQmlBackend>(settings.get(), nullptr, options);
                Orlix::Automation::registerNoltScpiCommands(backend.get());
            },
            Qt::BlockingQueuedConnection);
        const QDeadlineTimer deadline(10000);
        while (!backend->getVnaDevice()->isReady() && !deadline.hasExpired())
            QThread::msleep(10);
    }

    ~Application()
    {
        QMetaObject::invokeMethod(
            &anchor,
            [this] {
                backend.reset();
                settings.reset();
            },
            Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    int port = 0;

private:
    QTemporaryDir directory;
    Simulator::AnalyzerSimulatorThread analyzer;
    QThread thread;
    QObject anchor;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<MainQmlBackend> backend;
};

// Ended in main, while the application object still exists.
std::unique_ptr<Application>& running()
{
    static std::unique_ptr<Application> instance;
    return instance;
}

Application& application()
{
    if (!running())
        running() = std::make_unique<Application>();
    return *running();
}

bool ask(QTcpSocket& socket, const QByteArray& line)
{
    socket.write(line + '\n');
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(5000))
            return false;
    }
    return socket.readLine() == "1\n";
}

// A query whose work runs on the GUI thread, one round trip per iteration; with
// several threads each thread is one client, all served at once. Reports the
// median and the slowest round trip.
void BM_BridgedQueryRoundTrip(benchmark::State& state)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(application().port));
    if (!socket.waitForConnected(5000)) {
        state.SkipWithError("no connection");
        return;
    }
    std::vector<double> microseconds;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        if (!ask(socket, "NOLT:SYSTem:FIXTure:LEFT?")) {
            state.SkipWithError("no answer");
            return;
        }
        microseconds.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    std::sort(microseconds.begin(), microseconds.end());
    state.counters["median_us"] =
        benchmark::Counter(microseconds[microseconds.size() / 2], benchmark::Counter::kAvgThreads);
    state.counters["max_us"] = benchmark::Counter(microseconds.back(), benchmark::Counter::kAvgThreads);
}
BENCHMARK(BM_BridgedQueryRoundTrip)->UseRealTime()->Threads(1)->Threads(16);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    running().reset();
    return 0;
}
