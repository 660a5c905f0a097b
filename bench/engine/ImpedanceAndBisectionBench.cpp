#include "engine/fits/BisectionFit.h"
#include "engine/impedance/ImpedanceConversion.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

namespace {

using Complex = std::complex<double>;
constexpr double pi = 3.14159265358979323846;

// A lossy 42-ohm line of 400 ps measured with 50-ohm ports from 10 MHz to 20 GHz:
// a reflective, reciprocal thru.
std::vector<Algorithms::ComplexMatrix2x2> mismatchedLine(std::size_t n)
{
    std::vector<Algorithms::ComplexMatrix2x2> points(n);
    const double zc = 42.0, z0 = 50.0;
    for (std::size_t k = 0; k < n; ++k) {
        const double f = 10e6 + (20e9 - 10e6) * static_cast<double>(k) / static_cast<double>(n - 1);
        const Complex gammaL(0.02 * std::sqrt(f / 1e9), 2.0 * pi * f * 400e-12);
        const Complex a = std::cosh(gammaL), b = zc * std::sinh(gammaL), c = std::sinh(gammaL) / zc;
        const Complex den = a * z0 + b + c * z0 * z0 + a * z0;
        const Complex s11 = (b - c * z0 * z0) / den, s21 = 2.0 * z0 / den;
        points[k] << s11, s21, s21, s11;
    }
    return points;
}

void BM_BisectionFitSweep(benchmark::State& state)
{
    const auto thru = mismatchedLine(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        for (const auto& point : thru)
            benchmark::DoNotOptimize(Algorithms::solveBisectionFit(point));
    }
}
BENCHMARK(BM_BisectionFitSweep)->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);

void BM_ImpedanceConversionSweep(benchmark::State& state)
{
    const auto points = mismatchedLine(static_cast<std::size_t>(state.range(0)));
    const std::vector<double> from{50.0, 50.0}, to{42.0, 42.0};
    for (auto _ : state) {
        for (const auto& point : points)
            benchmark::DoNotOptimize(Algorithms::convertImpedance2x2(point, from, to));
    }
}
BENCHMARK(BM_ImpedanceConversionSweep)->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);

} // namespace
