#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/TouchstoneRecords.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

// The file work of an export on a dense analyzer grid: the raw data of a 4-port
// thru arrangement gathered onto analyzer ports, and one fixture half re-gridded
// and written as a correction file.
namespace {

constexpr std::size_t Points = 10001;

std::vector<double> grid(double step)
{
    std::vector<double> frequencies(Points);
    for (std::size_t i = 0; i < Points; ++i)
        frequencies[i] = step * static_cast<double>(i + 1);
    return frequencies;
}

Algorithms::SParametersTwoPortVNA pair(std::uint64_t first, std::uint64_t second)
{
    Algorithms::SParametersTwoPortVNA set;
    set.setFrequencies(grid(2e6));
    std::vector<std::complex<double>> values(Points);
    for (std::size_t i = 0; i < Points; ++i)
        values[i] = std::polar(0.9, -1e-3 * static_cast<double>(i));
    set.setS11(values);
    set.setS12(values);
    set.setS21(values);
    set.setS22(values);
    set.setFirstPort(first);
    set.setSecondPort(second);
    return set;
}

void gatherRawDataOnAnalyzerPorts(benchmark::State& state)
{
    const std::vector<Algorithms::SParametersTwoPortVNA> sets{pair(0, 2), pair(3, 1)};
    for (auto _ : state)
        benchmark::DoNotOptimize(twoPortRawData(sets));
}
BENCHMARK(gatherRawDataOnAnalyzerPorts)->Unit(benchmark::kMillisecond);

void writeCorrectionFile(benchmark::State& state)
{
    QTemporaryDir directory;
    const std::vector<double> analyzerGrid = grid(1.999e6);
    const Algorithms::SParametersTwoPort half = pair(0, 1);
    for (auto _ : state) {
        Algorithms::SParametersTwoPort copy = half;
        copy.interpolate(analyzerGrid);
        benchmark::DoNotOptimize(TouchstoneIO().write(directory.filePath("half1.s2p"), twoPortTouchstone(copy, 50.0)));
    }
}
BENCHMARK(writeCorrectionFile)->Unit(benchmark::kMillisecond);

} // namespace
