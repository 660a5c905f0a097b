#include "analyzer/device/VNADevice.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "simulator/AnalyzerSimulator.h"
#include "simulator/AnalyzerSimulatorThread.h"


#include <benchmark/benchmark.h>

// The analyzer link against the simulated analyzer on its own thread, over
// loopback TCP: a full refresh of the cached settings, and the read of a dense
// four-trace measurement once its sweep has ended.
namespace {

void fullRefresh(benchmark::State& state)
{
    Simulator::AnalyzerSimulatorThread analyzer;
    analyzer.simulator().listen();
    SyncedVnaDevice device;
    device.setPort(analyzer.simulator().port());
    if (!device.callAndWait(&SyncedVnaDevice::refresh) || !device.callAndWait(&SyncedVnaDevice::refresh)) {
        state.SkipWithError("the simulated analyzer did not answer");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(device.callAndWait(&SyncedVnaDevice::refresh));
}
BENCHMARK(fullRefresh)->Unit(benchmark::kMillisecond)->UseRealTime();

void readFourTracesOf10001Points(benchmark::State& state)
{
    Simulator::AnalyzerSimulatorThread analyzer;
    analyzer.simulator().listen();
    analyzer.simulator().setSweepTimeMs(1);
    VNADevice device;
    if (!device.connectToDevice("127.0.0.1", analyzer.simulator().port())) {
        state.SkipWithError("the simulated analyzer did not answer");
        return;
    }
    device.setPointsCount(10001, 0);
    device.setNumberOfTraces(4, 0);
    device.setMeasuredParametr(0, 0, 0, 0);
    device.setMeasuredParametr(1, 1, 0, 0);
    device.setMeasuredParametr(2, 0, 1, 0);
    device.setMeasuredParametr(3, 1, 1, 0);
    std::size_t values = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool swept = device.triggerSingle(0) && device.waitOperationComplete();
        state.ResumeTiming();
        if (!swept) {
            state.SkipWithError("the sweep did not complete");
            return;
        }
        for (uint trace = 0; trace < 4; ++trace)
            values += device.traceSData(trace, 0).value_or(SyncedVnaDevice::Trace{}).size();
    }
    state.counters["points"] = static_cast<double>(values) / (4.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(readFourTracesOf10001Points)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
