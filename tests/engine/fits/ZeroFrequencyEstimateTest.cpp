#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/fits/ZeroFrequencyMemo.h"

#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "simulator/physics/TwoPortAlgebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Algorithms;

namespace {

constexpr double pi = 3.14159265358979323846;
using Complex = std::complex<double>;

// A first-order low-pass response of corner fc behind a delay tau: 1 at 0 Hz.
std::vector<Complex> delayedLowPass(std::size_t n, double df, double fc, double tau, double gain)
{
    std::vector<Complex> s(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double f = static_cast<double>(k + 1) * df;
        s[k] = gain * std::polar(1.0, -2.0 * pi * f * tau) / Complex(1.0, f / fc);
    }
    return s;
}

} // namespace

TEST(ZeroFrequencyEstimate, RecoversTheValueOfADelayedReflection)
{
    const std::size_t n = 400;
    const double df = 50e6;
    for (double gamma : {0.25, -0.6}) {
        std::vector<Complex> s(n);
        for (std::size_t k = 0; k < n; ++k)
            s[k] = std::polar(1.0, -2.0 * pi * static_cast<double>(k + 1) * df * 1.3e-9) * gamma;
        EXPECT_NEAR(estimateDelay(s, n * df), gamma, 1e-4);
    }
}

TEST(ZeroFrequencyEstimate, RecoversTheValueOfASmoothResponse)
{
    const auto s = delayedLowPass(1000, 20e6, 3e9, 0.8e-9, 0.9);
    EXPECT_NEAR(estimateDelay(s, 1000 * 20e6), 0.9, 1e-4);
}

// A lossy fixture half with impedance steps, ended in a 30 ohm load: at 0 Hz the lines are
// transparent, so the true value is the load's reflection against 50 ohm.
TEST(ZeroFrequencyEstimate, RecoversTheValueOfALossyFixtureReflection)
{
    using namespace Simulator::Physics;
    const LineCascade half({{50.0, 0.2e-9, 0.05}, {42.0, 0.35e-9, 0.05}, {55.0, 0.25e-9, 0.05}});
    const auto f = lowPassGrid(25e6, 800);
    const auto measured = reflectStandard(half, reflectionOf(30.0, 50.0), f).s11();
    const auto atZero = reflectStandard(half, reflectionOf(30.0, 50.0), {0.0}).s11()[0];
    EXPECT_NEAR(atZero.real(), -0.25, 1e-12);
    EXPECT_NEAR(estimateDelay(measured, f.back()), atZero.real(), 1e-3);
}

TEST(ZeroFrequencyEstimate, IsLinearAndIndependentOfTheFrequencyScale)
{
    const auto s = delayedLowPass(300, 30e6, 2e9, 1e-9, 1.0);
    const double base = estimateDelay(s, 300 * 30e6);
    std::vector<Complex> scaled(s);
    for (auto& value : scaled)
        value *= -2.5;
    EXPECT_NEAR(estimateDelay(scaled, 300 * 30e6), -2.5 * base, 1e-12);
    EXPECT_NEAR(estimateDelay(s, 1.0), base, 1e-12);
    EXPECT_NEAR(estimateDelay(s, 7e12), base, 1e-12);
}

TEST(ZeroFrequencyEstimate, NotANumberWhenItCannotBeFormed)
{
    auto s = delayedLowPass(50, 1e8, 2e9, 1e-9, 1.0);
    EXPECT_TRUE(std::isnan(estimateDelay(s, 0.0)));
    EXPECT_TRUE(std::isnan(estimateDelay(std::vector<Complex>(s.begin(), s.begin() + 4), 4e8)));
    s[10] = {std::numeric_limits<double>::quiet_NaN(), 0.0};
    EXPECT_TRUE(std::isnan(estimateDelay(s, 5e9)));
}

// Inside a memo every estimate is the one formed without it: responses and frequency scales
// are told apart, and the memo ends with its scope.
TEST(ZeroFrequencyEstimate, MemoGivesTheEstimatesFormedWithoutIt)
{
    const auto first = delayedLowPass(300, 30e6, 2e9, 1e-9, 1.0);
    const auto second = delayedLowPass(300, 30e6, 2e9, 1e-9, 0.5);
    const double firstAlone = estimateDelay(first, 9e9);
    const double secondAlone = estimateDelay(second, 9e9);
    const double scaledAlone = estimateDelay(first, 7e12);
    {
        const ZeroFrequencyMemo memo;
        EXPECT_EQ(ZeroFrequencyMemo::current(), &memo);
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(estimateDelay(first, 9e9), firstAlone);
            EXPECT_EQ(estimateDelay(second, 9e9), secondAlone);
            EXPECT_EQ(estimateDelay(first, 7e12), scaledAlone);
        }
        EXPECT_EQ(*memo.find(second, 9e9), secondAlone);
        EXPECT_FALSE(memo.find(second, 7e12));
    }
    EXPECT_EQ(ZeroFrequencyMemo::current(), nullptr);
}
