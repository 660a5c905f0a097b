#include "app/formatting/MetricText.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <vector>

// One conversion per call, over a mix of magnitudes and forms as the tables
// and axis labels produce them.
namespace {

void readPrefixedText(benchmark::State& state)
{
    const QStringList texts{"1.5 G", "12.5", "-4m", "2.5k", "150 p", "10 k", "-30", "49.0001 n"};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(toMetric(texts[i++ % texts.size()]));
}
BENCHMARK(readPrefixedText);

void formatWithPrefix(benchmark::State& state)
{
    const std::vector<double> values{1.5e9, 12.5, -0.004, 2500.0, 1.5e-10, 1e4, -30.0, 4.90001e-8};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(toNormalized(values[i++ % values.size()], 6));
}
BENCHMARK(formatWithPrefix);

} // namespace
