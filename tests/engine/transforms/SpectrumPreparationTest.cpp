#include "engine/transforms/FrequencyGrid.h"
#include "engine/transforms/KaiserWindow.h"
#include "engine/transforms/SpectrumPreparation.h"

#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Algorithms;

namespace {

constexpr double pi = 3.14159265358979323846;

std::vector<double> harmonicGrid(std::size_t n, double df)
{
    std::vector<double> f(n);
    for (std::size_t k = 0; k < n; ++k)
        f[k] = static_cast<double>(k + 1) * df;
    return f;
}

std::vector<double> bandGrid(std::size_t n, double start, double df)
{
    std::vector<double> f(n);
    for (std::size_t k = 0; k < n; ++k)
        f[k] = start + static_cast<double>(k) * df;
    return f;
}

std::vector<std::complex<double>> delayedReflection(const std::vector<double>& f, double gamma, double tau)
{
    std::vector<std::complex<double>> s(f.size());
    for (std::size_t k = 0; k < f.size(); ++k)
        s[k] = std::polar(gamma, -2.0 * pi * f[k] * tau);
    return s;
}

} // namespace

TEST(FrequencyGrid, BandPassOnlyWhenNotHarmonic)
{
    EXPECT_EQ(isBandPassGrid({1e6, 2e6, 3e6}), std::optional<bool>(false));
    EXPECT_EQ(isBandPassGrid({1e6, 1.5e6, 2e6}), std::optional<bool>(true));
    EXPECT_FALSE(isBandPassGrid({1e6, 2e6}).has_value());
    EXPECT_FALSE(isBandPassGrid({1e6, std::numeric_limits<double>::quiet_NaN(), 3e6}).has_value());
}

TEST(FrequencyGrid, UnevenAndNonHarmonicGridsAreRefused)
{
    MessageCapture capture;
    EXPECT_TRUE(isTransformableGrid(harmonicGrid(101, 1e7), 0));
    EXPECT_TRUE(isTransformableGrid(bandGrid(101, 1e9, 1e7), 1));
    EXPECT_TRUE(MessageCapture::lines().isEmpty());

    // A logarithmic sweep, and a segmented sweep whose step changes halfway.
    std::vector<double> logarithmic(50);
    for (std::size_t k = 0; k < logarithmic.size(); ++k)
        logarithmic[k] = 1e6 * std::pow(10.0, static_cast<double>(k) / 10.0);
    std::vector<double> segmented = bandGrid(50, 1e7, 1e7);
    for (std::size_t k = 25; k < segmented.size(); ++k)
        segmented[k] = segmented[24] + static_cast<double>(k - 24) * 2e7;
    for (int kind : {0, 1}) {
        EXPECT_FALSE(isTransformableGrid(logarithmic, kind));
        EXPECT_FALSE(isTransformableGrid(segmented, kind));
    }
    EXPECT_TRUE(MessageCapture::lines().contains(
        "Time-domain transform refused: the frequency grid is not evenly spaced"));

    MessageCapture::lines().clear();
    EXPECT_FALSE(isTransformableGrid(bandGrid(101, 1e9, 1e7), 0));
    EXPECT_EQ(MessageCapture::lines(),
              QStringList{"Time-domain transform refused: the low-pass frequency grid is not harmonic"});

    // Frequencies rounded to a few digits, as files may hold them, still pass.
    std::vector<double> rounded = harmonicGrid(1000, 3.3333333e6);
    for (double& value : rounded)
        value = std::round(value / 1e3) * 1e3;
    EXPECT_TRUE(isTransformableGrid(rounded, 0));
}

TEST(KaiserWindow, FollowsTheBesselFormula)
{
    const std::size_t points = 41;
    std::vector<double> index(points);
    for (std::size_t k = 0; k < points; ++k)
        index[k] = static_cast<double>(k);
    for (double beta : {0.5, 3.0, 6.0, 13.0}) {
        const auto window = kaiserWindow(index, beta);
        for (std::size_t k = 0; k < points; ++k) {
            const double x = (2.0 * k - points + 1.0) / (points - 1.0);
            const double expected = std::cyl_bessel_i(0.0, beta * std::sqrt(1.0 - x * x)) / std::cyl_bessel_i(0.0, beta);
            EXPECT_NEAR(window[k], expected, 1e-14 * expected) << "beta " << beta << ", point " << k;
        }
    }
    const auto six = kaiserWindow(index, 6.0);
    EXPECT_DOUBLE_EQ(six[20], 1.0);
    EXPECT_NEAR(six[0], 0.0149, 5e-5);
    EXPECT_DOUBLE_EQ(six[0], six[40]);
    for (double value : kaiserWindow(index, 0.0))
        EXPECT_EQ(value, 1.0);
    EXPECT_EQ(kaiserWindow({0.0}, 6.0), std::vector<double>{1.0});
}

TEST(PrepareSpectrum, LowPassIsTwoSidedWithSymmetricTimeAxis)
{
    const auto f = harmonicGrid(5, 1e9);
    const auto s = delayedReflection(f, 0.5, 0.1e-9);
    const auto prepared = prepareSpectrum(f, s, {0.5, 0.0}, 0);
    ASSERT_EQ(prepared.spectrum.size(), 11u);
    ASSERT_EQ(prepared.times.size(), 11u);
    EXPECT_EQ(prepared.windowIndex, (std::vector<double>{5, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(prepared.spectrum[0], std::complex<double>(0.5, 0.0));
    for (std::size_t k = 1; k <= 5; ++k)
        EXPECT_EQ(prepared.spectrum[11 - k], std::conj(prepared.spectrum[k]));
    // dt = 1 / (span + df) = 1 / 11 GHz; the axis runs from -5 dt to +5 dt.
    const double dt = 1.0 / 11e9;
    EXPECT_NEAR(prepared.times.front(), -5.0 * dt, 1e-22);
    EXPECT_NEAR(prepared.times.back(), 5.0 * dt, 1e-22);
    for (std::size_t k = 0; k < 11; ++k)
        EXPECT_NEAR(prepared.times[k], -prepared.times[10 - k], 1e-22);
}

TEST(PrepareSpectrum, BandPassKeepsTheGrid)
{
    const auto f = bandGrid(4, 1e9, 1e8);
    const auto s = delayedReflection(f, 0.3, 1e-9);
    const auto prepared = prepareSpectrum(f, s, {9.0, 0.0}, 1);
    EXPECT_EQ(prepared.spectrum, s);
    EXPECT_EQ(prepared.windowIndex, (std::vector<double>{0, 1, 2, 3}));
    // Even point count: the axis is shifted by (n - 1) / (2 span) = 3 / 0.6 GHz.
    ASSERT_EQ(prepared.times.size(), 4u);
    EXPECT_NEAR(prepared.times[0], -3.0 / 6e8, 1e-20);
    EXPECT_NEAR(prepared.times[1] - prepared.times[0], 1.0 / 4e8, 1e-20);
}

TEST(PrepareSpectrum, RefusesUnevenGridsAndMismatchedLengths)
{
    MessageCapture capture;
    const std::vector<double> uneven{1e9, 2e9, 3e9, 5e9, 8e9};
    const auto refused = prepareSpectrum(uneven, delayedReflection(uneven, 1.0, 1e-9), {1.0, 0.0}, 0);
    EXPECT_TRUE(refused.spectrum.empty());
    EXPECT_TRUE(refused.times.empty());
    EXPECT_TRUE(refused.windowIndex.empty());
    EXPECT_FALSE(MessageCapture::lines().isEmpty());
    const auto f = harmonicGrid(5, 1e9);
    EXPECT_TRUE(prepareSpectrum(f, delayedReflection(harmonicGrid(4, 1e9), 1.0, 0.0), {}, 0).times.empty());
}

// The gate kernel in time: close to 1 inside a gate of width 2W at its centre and close to 0
// well outside it, on both grid kinds.
TEST(KaiserWindowedTransform, IsARectangularGateInTime)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? harmonicGrid(400, 25e6) : bandGrid(801, 1e9, 25e6);
        GateDescription gate;
        gate.timeStart = -2e-9;
        gate.timeStop = 6e-9;
        gate.kaiserBetaX = 6.0;
        gate.center = 2e-9; // the middle of the window: the gate sits at time 0
        gate.halfWidth = 1e-9;
        const auto kernel = kaiserWindowedTransform(f, kind, gate);
        const std::size_t m = 801;
        ASSERT_EQ(kernel.size(), m);
        const double dt = 1.0 / (static_cast<double>(m) * 25e6); // 1 / (M df), 50 ps
        auto at = [&](double t) {
            const long sample = std::lround(t / dt);
            return kernel[static_cast<std::size_t>((sample + static_cast<long>(m)) % static_cast<long>(m))];
        };
        EXPECT_NEAR(at(0.0), 1.0, 0.02) << "kind " << kind;
        EXPECT_NEAR(at(0.6e-9), 1.0, 0.02);
        EXPECT_NEAR(at(-0.6e-9), 1.0, 0.02);
        EXPECT_NEAR(at(1.6e-9), 0.0, 0.02);
        EXPECT_NEAR(at(-3e-9), 0.0, 0.02);
        // Moving the centre moves the gate the other way on the transform's axis.
        gate.center = 5e-9;
        const auto moved = kaiserWindowedTransform(f, kind, gate);
        EXPECT_NEAR(moved[static_cast<std::size_t>((m - 60) % m)], 1.0, 0.02);
    }
}
