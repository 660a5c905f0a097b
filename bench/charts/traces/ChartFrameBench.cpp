#include "bench/charts/traces/ChartBenchScene.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int traceCount = 16;
constexpr int pointCount = 100001;

// Every trace replaced every frame, at 1200 x 800 with antialiasing: replace,
// refresh, trace pass, scene graph and buffer swap.
void BM_ChartFrameAllTracesReplaced(benchmark::State& state)
{
    ChartBenchScene scene(1200, 800, traceCount, pointCount);
    const QVector<QPointF> even = sineTrace(pointCount, 0.0);
    const QVector<QPointF> odd = sineTrace(pointCount, 1.0);
    const long long passesBefore = tracePassCount();
    const double syncBefore = scene.synchronisingSeconds();
    const double renderBefore = scene.renderingSeconds();
    double replaceSeconds = 0.0;
    long long frames = 0;
    for (auto _ : state) {
        QElapsedTimer replaceClock;
        replaceClock.start();
        for (Trace* trace : scene.traces)
            trace->replace(frames % 2 ? odd : even);
        replaceSeconds += double(replaceClock.nsecsElapsed()) * 1e-9;
        scene.refresh();
        if (!scene.renderFrame()) {
            state.SkipWithError("no frame within a second");
            break;
        }
        ++frames;
    }
    const double framesDone = double(frames ? frames : 1);
    state.counters["trace_passes_per_frame"] = double(tracePassCount() - passesBefore) / framesDone;
    // The synchronisation holds the chart's trace pass (upload, draw, resolve).
    state.counters["sync_ms"] = (scene.synchronisingSeconds() - syncBefore) * 1000.0 / framesDone;
    state.counters["render_ms"] = (scene.renderingSeconds() - renderBefore) * 1000.0 / framesDone;
    state.counters["replace_ms"] = replaceSeconds * 1000.0 / framesDone;
}
BENCHMARK(BM_ChartFrameAllTracesReplaced)->MinTime(0.5)->Unit(benchmark::kMillisecond)->UseRealTime();

// An idle chart keeps refreshing every 33 ms but draws no trace pass.
void BM_ChartIdleTracePasses(benchmark::State& state)
{
    ChartBenchScene scene(1200, 800, traceCount, pointCount);
    scene.renderFrame();
    for (auto _ : state) {
        const long long before = tracePassCount();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["trace_passes_per_s"] = double(tracePassCount() - before) * 1000.0 / double(clock.elapsed());
    }
}
BENCHMARK(BM_ChartIdleTracePasses)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// How long a refresh holds the GUI thread.
void BM_ChartRefresh(benchmark::State& state)
{
    ChartBenchScene scene(1200, 800, traceCount, 11);
    bool wider = false;
    for (auto _ : state) {
        // A new window each time, so every transform is rebuilt and compared.
        for (Trace* trace : scene.traces)
            trace->domain()->setXRange({0.0, wider ? 2.0 : 1.0});
        wider = !wider;
        const auto start = std::chrono::steady_clock::now();
        scene.refresh();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_ChartRefresh)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
