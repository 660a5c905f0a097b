#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/transmission/TransmissionProcess.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <complex>
#include <memory>

namespace {

using Algorithms::SParametersTwoPort;
using C = std::complex<double>;

// A 2x-thru of two different lossy fixture halves of about 0.5 ns each, each with a
// launch reflection near its analyzer port and a weaker one near the junction, on a
// low-pass grid up to 20 GHz.
SParametersTwoPort thruOfShortFixture(std::size_t points)
{
    const double step = 20e9 / static_cast<double>(points);
    std::vector<double> f(points);
    std::vector<C> s11(points), s21(points), s22(points);
    for (std::size_t i = 0; i < points; ++i) {
        f[i] = step * static_cast<double>(i + 1);
        const double w = 2.0 * M_PI * f[i];
        const double loss = std::pow(10.0, -0.03 * f[i] / 1e9 / 20.0);
        const C tA = loss * std::polar(1.0, -w * 480e-12);
        const C tB = loss * std::polar(1.0, -w * 450e-12);
        const C outerA = 0.08 * std::polar(1.0, -w * 60e-12);
        const C outerB = -0.06 * std::polar(1.0, -w * 80e-12);
        const C innerA = 0.03 * std::polar(1.0, -w * 40e-12);
        const C innerB = -0.02 * std::polar(1.0, -w * 30e-12);
        const C loop = 1.0 - innerA * innerB;
        s21[i] = tA * tB / loop;
        s11[i] = outerA + tA * tA * innerB / loop;
        s22[i] = outerB + tB * tB * innerA / loop;
    }
    SParametersTwoPort thru;
    thru.setFrequencies(f);
    thru.setS11(s11);
    thru.setS12(s21);
    thru.setS21(s21);
    thru.setS22(s22);
    return thru;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Page faults so far: memory the allocator maps afresh for a run costs one per page.
double minorPageFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_minflt);
}

void extractThru(benchmark::State& state, int processNumber, Algorithms::Z0ConversionType conversion)
{
    const SParametersTwoPort thru = thruOfShortFixture(static_cast<std::size_t>(state.range(0)));
    Algorithms::ProcessInputParameters parameters;
    bool succeeded = true;
    const double faultsBefore = minorPageFaults();
    for (auto _ : state) {
        Algorithms::FixturePort left, right;
        for (auto* port : {&left, &right}) {
            port->clear();
            port->setConversionType(conversion);
            port->setZ0(50.0);
        }
        auto process = Algorithms::createProcessMethodByNumber(processNumber);
        auto* transmission = static_cast<Algorithms::TransmissionProcess*>(process.get());
        transmission->setFixturesForCalculate(&left, &right);
        transmission->setMeasuredData(thru);
        transmission->setInputParameters(&parameters);
        succeeded = succeeded && transmission->run();
        benchmark::DoNotOptimize(left.sParameters());
    }
    if (!succeeded)
        state.SkipWithError("the extraction failed");
    state.counters["peak_rss_MB"] = peakResidentMegabytes();
    state.counters["page_faults"] =
        benchmark::Counter(minorPageFaults() - faultsBefore, benchmark::Counter::kAvgIterations);
}

} // namespace

using Algorithms::Z0ConversionType;

// The whole 2x-thru extraction as a measurement runs it: impulse responses, step responses
// on the low-pass grid and conversion to the analyzer impedance; the gating alone without
// conversion for comparison.
BENCHMARK_CAPTURE(extractThru, TimeGating, Algorithms::TimeGateProcess, Z0ConversionType::System)
    ->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractThru, TimeGating, Algorithms::TimeGateProcess, Z0ConversionType::System)
    ->Arg(100001)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractThru, TimeGatingWithoutConversion, Algorithms::TimeGateProcess, Z0ConversionType::None)
    ->Arg(10001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractThru, Filtering, Algorithms::FilteringProcess, Z0ConversionType::System)
    ->Arg(1001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractThru, Filtering, Algorithms::FilteringProcess, Z0ConversionType::System)
    ->Arg(10001)->Arg(100001)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractThru, Bisection, Algorithms::BisectProcess, Z0ConversionType::System)
    ->Arg(1001)->Arg(10001)->Arg(100001)->Iterations(1)->Unit(benchmark::kMillisecond);
