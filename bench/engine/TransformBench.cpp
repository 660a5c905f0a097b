#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/transforms/ChirpZTransform.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

std::vector<std::complex<double>> delayedReflection(std::size_t n, double df)
{
    std::vector<std::complex<double>> s(n);
    for (std::size_t k = 0; k < n; ++k)
        s[k] = 0.3 * std::polar(1.0, -2.0 * pi * static_cast<double>(k + 1) * df * 1.2e-9);
    return s;
}

void BM_ChirpZTransform(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto x = delayedReflection(n, 20e9 / static_cast<double>(n));
    const std::vector<double> weights(n, 1.0);
    const auto a = std::polar(1.0, 0.3);
    const auto w = std::polar(1.0, 2.0 * pi * 0.7 / static_cast<double>(n));
    for (auto _ : state)
        benchmark::DoNotOptimize(Algorithms::chirpZTransform(a, w, x, weights, 0));
}
BENCHMARK(BM_ChirpZTransform)->Arg(1001)->Arg(10001)->Arg(100001)->Unit(benchmark::kMicrosecond);

void BM_ZeroFrequencyEstimate(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto x = delayedReflection(n, 20e9 / static_cast<double>(n));
    for (auto _ : state)
        benchmark::DoNotOptimize(Algorithms::estimateDelay(x, 20e9));
}
BENCHMARK(BM_ZeroFrequencyEstimate)->Arg(1001)->Arg(10001)->Arg(100001)->Unit(benchmark::kMicrosecond);

} // namespace
