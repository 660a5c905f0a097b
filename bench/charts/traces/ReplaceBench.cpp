#include "bench/charts/traces/ChartBenchScene.h"

#include <benchmark/benchmark.h>

namespace {

// Resampling a curve into the trace's vertex slots: interpolation below 4096
// points, the min/max envelope above.
void BM_TraceReplace(benchmark::State& state)
{
    const QVector<QPointF> points = sineTrace(int(state.range(0)), 0.0);
    Trace trace;
    for (auto _ : state) {
        trace.replace(points);
        benchmark::DoNotOptimize(trace.renderData()->vertices.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TraceReplace)->Arg(1001)->Arg(100001)->Arg(1000001)->Unit(benchmark::kMicrosecond);

} // namespace
