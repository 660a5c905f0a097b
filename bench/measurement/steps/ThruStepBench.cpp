#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/threading/WorkerThread.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/AnalyzerSimulator.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>

using namespace Simulator::Physics;

namespace {

constexpr int SweepMs = 20;

// A 2-port thru step on a simulated analyzer sweeping `points` harmonic points.
struct ThruSession
{
    Simulator::AnalyzerSimulator simulator;
    std::unique_ptr<SyncedVnaDevice> device = std::make_unique<SyncedVnaDevice>();
    WorkerThread worker;
    ProgressManager progress;
    Algorithms::ProcessInputParameters params;
    Fixture a;
    Fixture b;
    std::shared_ptr<VNAFixtureConnection> left;
    std::shared_ptr<VNAFixtureConnection> right;
    std::shared_ptr<TransmissionStep> step;

    explicit ThruSession(int points)
    {
        simulator.listen();
        simulator.setSweepTimeMs(SweepMs);
        simulator.changeModel([points](Simulator::AnalyzerModel& model) {
            model.channel(1).startFrequency = 20e9 / points;
            model.channel(1).stopFrequency = 20e9;
            model.channel(1).points = points;
        });
        device->setPort(simulator.port());
        device->callAndWait(&SyncedVnaDevice::refresh);
        device->callAndWait(&SyncedVnaDevice::refresh);
        left = makeLaterDeleted<VNAFixtureConnection>(&a, device.get());
        right = makeLaterDeleted<VNAFixtureConnection>(&b, device.get());
        right->setAttachedVnaPort(0, 1);
        step = makeLaterDeleted<TransmissionStep>(
            makeLaterDeleted<ConnectionTransmisson>(left.get(), right.get(), &params), left, right, device.get(),
            &worker, &progress);
    }

    ~ThruSession()
    {
        step.reset();
        left.reset();
        right.reset();
        worker.stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void waitForWorker()
    {
        std::atomic<bool> done{false};
        worker.post([&done] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
};

// The engine alone on the same thru, for the share of the step beyond it.
double engineSeconds(int points)
{
    const auto grid = lowPassGrid(20e9 / points, static_cast<std::size_t>(points));
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid);
    Algorithms::ProcessInputParameters params;
    Algorithms::FixturePort left;
    Algorithms::FixturePort right;
    for (auto* port : {&left, &right}) {
        port->setConversionType(Algorithms::Z0ConversionType::System);
        port->setCustomImpedance(50.0);
        port->setZ0(50.0);
    }
    auto process = Algorithms::createProcessMethod(0, Algorithms::CalcMethod::TimeGating);
    auto* transmission = static_cast<Algorithms::TransmissionProcess*>(process.get());
    transmission->setInputParameters(&params);
    transmission->setFixturesForCalculate(&left, &right);
    transmission->setMeasuredData(thru);
    QElapsedTimer timer;
    timer.start();
    transmission->run();
    return timer.nsecsElapsed() * 1e-9;
}

void BM_ThruFromAnalyzer(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    ThruSession session(points);
    const double engine = engineSeconds(points);
    double total = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        session.step->measureFromVna();
        session.waitForWorker();
        const double seconds = timer.nsecsElapsed() * 1e-9;
        total += seconds;
        state.SetIterationTime(seconds);
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["engine_ms"] = engine * 1e3;
    state.counters["sweep_ms"] = SweepMs;
    state.counters["beyond_engine_and_sweep_ms"] = (mean - engine) * 1e3 - SweepMs;
}
BENCHMARK(BM_ThruFromAnalyzer)->Arg(1001)->Arg(10001)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

std::atomic<int> fileParses{0};

void countParses(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QStringLiteral("readFile")))
        ++fileParses;
}

void BM_ThruFromFile(benchmark::State& state)
{
    const int points = static_cast<int>(state.range(0));
    ThruSession session(points);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("thru.s2p"));
    const auto grid = lowPassGrid(20e9 / points, static_cast<std::size_t>(points));
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid);
    TouchstoneData data;
    data.unit = TouchstoneData::HZ;
    for (std::size_t i = 0; i < grid.size(); ++i)
        data.records.push_back({grid[i], {thru.s11()[i], thru.s12()[i], thru.s21()[i], thru.s22()[i]}, 2});
    TouchstoneIO().write(path, data);

    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(countParses);
    fileParses = 0;
    for (auto _ : state) {
        session.step->measureFromTouchstoneFile(path);
        session.waitForWorker();
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false"));
    state.counters["parses_per_measurement"] = static_cast<double>(fileParses) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ThruFromFile)->Arg(10001)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
