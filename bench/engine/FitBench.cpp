#include "engine/fits/ExponentialFit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

// A fixture's own reflection and the one of the standard behind it, 1 ns apart, as the
// filtering method separates them, over 10 MHz ... 20 GHz.
void BM_ExponentialFit(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    std::vector<double> f(n);
    std::vector<std::complex<double>> y(n);
    for (std::size_t k = 0; k < n; ++k) {
        f[k] = 10e6 + (20e9 - 10e6) * static_cast<double>(k) / static_cast<double>(n - 1);
        const double x = f[k] / 1e9;
        y[k] = std::complex<double>(0.1, 0.01 * x) + std::polar(0.7 - 0.01 * x, -2.0 * pi * f[k] * 1e-9);
    }
    const std::vector<double> tau{0.0, 1e-9};
    std::ostringstream console;
    auto* previous = std::cout.rdbuf(console.rdbuf());
    for (auto _ : state)
        benchmark::DoNotOptimize(Algorithms::fitExponentials(f, y, tau));
    std::cout.rdbuf(previous);
}
BENCHMARK(BM_ExponentialFit)->Arg(1001)->Arg(10001)->Arg(100001)->Unit(benchmark::kMillisecond);

} // namespace
