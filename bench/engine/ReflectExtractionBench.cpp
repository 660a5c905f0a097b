#include "engine/parameters/ProcessInputParameters.h"
#include "engine/port/FixturePort.h"
#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"
#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>

namespace {

using Algorithms::SParametersOnePort;
using C = std::complex<double>;

// A lossy fixture half of about 0.5 ns with a launch reflection near the analyzer and a
// weaker one near its far end, terminated by an ideal open (+1) or short (-1), on a
// low-pass grid up to 20 GHz.
SParametersOnePort standardBehindHalf(std::size_t points, double termination)
{
    const double step = 20e9 / static_cast<double>(points);
    std::vector<double> f(points);
    std::vector<C> s11(points);
    for (std::size_t i = 0; i < points; ++i) {
        f[i] = step * static_cast<double>(i + 1);
        const double w = 2.0 * M_PI * f[i];
        const double loss = std::pow(10.0, -0.03 * f[i] / 1e9 / 20.0);
        const C t = loss * std::polar(1.0, -w * 480e-12);
        const C outer = 0.08 * std::polar(1.0, -w * 60e-12);
        const C inner = 0.03 * std::polar(1.0, -w * 40e-12);
        s11[i] = outer + t * t * termination / (1.0 - inner * termination);
    }
    SParametersOnePort standard;
    standard.setFrequencies(f);
    standard.setS11(s11);
    return standard;
}

// A whole reflect extraction as the reflection measurer runs it, with the step response
// and the conversion to the analyzer impedance.
void extractReflect(benchmark::State& state, int processNumber)
{
    const auto points = static_cast<std::size_t>(state.range(0));
    const SParametersOnePort open = standardBehindHalf(points, 1.0);
    const SParametersOnePort shortStandard = standardBehindHalf(points, -1.0);
    Algorithms::ProcessInputParameters parameters;
    bool succeeded = true;
    for (auto _ : state) {
        Algorithms::FixturePort port;
        port.clear();
        port.setZ0(50.0);
        auto process = Algorithms::createProcessMethodByNumber(processNumber);
        auto* reflect = static_cast<Algorithms::ReflectProcess*>(process.get());
        reflect->setFixturesForCalculate(&port);
        reflect->setInputParameters(&parameters);
        if (auto* single = dynamic_cast<Algorithms::ReflectProcessOpenOrShort*>(reflect))
            single->setMeasuredData(open);
        else
            static_cast<Algorithms::ReflectProcessOpenAndShort*>(reflect)->setInputData(open, shortStandard);
        succeeded = succeeded && reflect->run();
        benchmark::DoNotOptimize(port.sParameters());
    }
    if (!succeeded)
        state.SkipWithError("the extraction failed");
}

} // namespace

BENCHMARK_CAPTURE(extractReflect, TimeGatingOpen, Algorithms::TimeGateReflectProcess)
    ->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractReflect, TimeGatingOpenAndShort, Algorithms::TimeGateReflectOpenAndShortProcess)
    ->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractReflect, FilteringOpen, Algorithms::FilteringReflectProcess)
    ->Arg(1001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractReflect, FilteringOpen, Algorithms::FilteringReflectProcess)
    ->Arg(10001)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractReflect, FilteringOpenAndShort, Algorithms::FilteringReflectOpenAndShortProcess)
    ->Arg(1001)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(extractReflect, FilteringOpenAndShort, Algorithms::FilteringReflectOpenAndShortProcess)
    ->Arg(10001)->Iterations(1)->Unit(benchmark::kMillisecond);
