#include "engine/timedomain/ExponentialFitGate.h"
#include "engine/timedomain/ImpulseResponse.h"
#include "engine/timedomain/StepResponse.h"
#include "engine/timedomain/TimeGate.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

using namespace Algorithms;

namespace {

constexpr double pi = 3.14159265358979323846;

// A fixture's reflection at 0.6 ns and an open behind it at 1.6 ns, on a harmonic grid up
// to 20 GHz (kind 0) or a 1 ... 20 GHz band (kind 1).
struct Measurement
{
    std::vector<double> f;
    std::vector<std::complex<double>> s;
};

Measurement measurement(std::size_t n, int kind)
{
    Measurement m;
    for (std::size_t k = 0; k < n; ++k) {
        const double f = kind == 0 ? 20e9 * static_cast<double>(k + 1) / static_cast<double>(n)
                                   : 1e9 + 19e9 * static_cast<double>(k) / static_cast<double>(n - 1);
        m.f.push_back(f);
        m.s.push_back(std::polar(0.1, -2.0 * pi * f * 0.6e-9) + std::polar(0.8, -2.0 * pi * f * 1.6e-9));
    }
    return m;
}

GateDescription gate()
{
    GateDescription g;
    g.timeStart = 0.3e-9;
    g.timeStop = 0.9e-9;
    g.kaiserBeta = 6.0;
    g.kaiserBetaX = 6.0;
    g.center = 0.6e-9;
    g.halfWidth = 0.3e-9;
    return g;
}

// The routines write a debug line per call; it is not what is measured.
class QuietDebug
{
public:
    QuietDebug() { m_previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); }
    ~QuietDebug() { qInstallMessageHandler(m_previous); }

private:
    QtMessageHandler m_previous;
};

void BM_ImpulseResponse(benchmark::State& state)
{
    const QuietDebug quiet;
    const auto m = measurement(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeImpulseResponse(m.s, m.f, 0.2e-9, 1.0e-9, 3.0, static_cast<int>(state.range(1))));
}
BENCHMARK(BM_ImpulseResponse)
    ->ArgsProduct({{1001, 10001, 100001}, {0, 1}})
    ->ArgNames({"points", "kind"})
    ->Unit(benchmark::kMicrosecond);

void BM_StepResponse(benchmark::State& state)
{
    const QuietDebug quiet;
    const auto m = measurement(static_cast<std::size_t>(state.range(0)), 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(computeStepResponse(m.s, m.f, 0.0, 2e-9, 3.0, -2e-9, -0.2e-9, 50.0));
}
BENCHMARK(BM_StepResponse)->Arg(1001)->Arg(10001)->Arg(100001)->ArgName("points")->Unit(benchmark::kMicrosecond);

void BM_ApplyTimeGate(benchmark::State& state)
{
    const auto m = measurement(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(applyTimeGate(m.s, m.f, static_cast<int>(state.range(1)), gate()));
}
BENCHMARK(BM_ApplyTimeGate)
    ->ArgsProduct({{1001, 10001, 100001}, {0, 1}})
    ->ArgNames({"points", "kind"})
    ->Unit(benchmark::kMicrosecond);

// The 0.1 ps search: about 250 candidate transforms of the whole spectrum at 20 GHz.
void BM_GateCenterSearch(benchmark::State& state)
{
    const auto m = measurement(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(findGateCenter(m.s, m.f, 1, gate(), static_cast<int>(state.range(1))));
}
BENCHMARK(BM_GateCenterSearch)
    ->ArgsProduct({{1001, 10001}, {0, 1}})
    ->ArgNames({"points", "kind"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GateCenterSearch)
    ->ArgsProduct({{100001}, {0, 1}})
    ->ArgNames({"points", "kind"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_ExponentialFitGate(benchmark::State& state)
{
    const auto m = measurement(static_cast<std::size_t>(state.range(0)), 1);
    std::vector<double> magnitude;
    std::vector<double> phase;
    for (auto _ : state) {
        gateByExponentialFit(m.f, m.s, 0, 1, 4 * 0.05e-9, magnitude, phase);
        benchmark::DoNotOptimize(magnitude.data());
    }
}
BENCHMARK(BM_ExponentialFitGate)->Arg(1001)->Arg(10001)->Arg(100001)->ArgName("points")->Unit(benchmark::kMicrosecond);

} // namespace
