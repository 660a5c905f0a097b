#include "measurement/port/QmlFixturePort.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace Algorithms;

namespace {

constexpr std::size_t Points = 100001;

// A port holding every record a low-pass 2x-thru run leaves, at full size.
void fill(QmlFixturePort& port)
{
    std::vector<double> axis(Points);
    std::vector<std::complex<double>> values(Points);
    std::vector<double> profile(Points);
    for (std::size_t i = 0; i < Points; ++i) {
        axis[i] = 1e6 * static_cast<double>(i + 1);
        values[i] = std::polar(0.5 + 0.4 * std::cos(1e-3 * i), 1e-2 * i);
        profile[i] = 50.0 + std::sin(1e-4 * i);
    }
    SParametersTwoPort set;
    set.setFrequencies(axis);
    set.setS11(values);
    set.setS12(values);
    set.setS21(values);
    set.setS22(values);
    port.setConversionType(Z0ConversionType::System);
    port.setZ0(50.0);
    port.setUncorrectedSParametersDefault(set);
    port.setDefaultLength(1e-10);
    port.selectDefaultSParameters();
    port.setImpulseResponse({values, axis, 1e-10, 1e-10, true, true});
    port.setGating({values, axis, 0.1});
    port.setStepResponse({profile, axis, 1e-10, 50.0});
    QCoreApplication::processEvents();
}

} // namespace

// One burst of every result signal of a run, then the one rebuild it causes.
void BM_RebuildAllCurvesOf100001PointPort(benchmark::State& state)
{
    QmlFixturePort port;
    fill(port);
    for (auto _ : state) {
        emit port.uncorrectedSParametersChanged();
        emit port.impulseResponseChanged();
        emit port.gatingChanged();
        emit port.stepResponseChanged();
        emit port.lenghtFixtureChanged();
        emit port.impedanceTransformChanged();
        QCoreApplication::processEvents();
    }
    if (port.s21Curve()->size() != static_cast<int>(Points))
        state.SkipWithError("curves not rebuilt");
}
BENCHMARK(BM_RebuildAllCurvesOf100001PointPort)->Unit(benchmark::kMillisecond);
