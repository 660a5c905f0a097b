#include "charts/scale/ChartScaleManager.h"

#include <benchmark/benchmark.h>

#include <cmath>

// A chart tab of eight curves of 100,001 points each, as a sweep of that many
// frequencies shows them.
static void BM_AcceptRangesEightCurves(benchmark::State& state)
{
    ChartScaleManager manager;
    for (int curve = 0; curve < 8; ++curve) {
        QVector<QPointF> points(100001);
        for (int i = 0; i < points.size(); ++i)
            points[i] = {1e6 + i * 1e4, -20.0 * curve + 10.0 * std::sin(i * 0.001 * (curve + 1))};
        manager.addData(QString("S%1").arg(curve), points);
    }
    for (auto _ : state) {
        manager.acceptRanges();
        benchmark::DoNotOptimize(manager.getMinMaxY());
    }
}
BENCHMARK(BM_AcceptRangesEightCurves)->Unit(benchmark::kMillisecond);
