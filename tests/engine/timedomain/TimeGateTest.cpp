#include "engine/timedomain/TimeGate.h"

#include "tests/engine/timedomain/TimeDomainFixtures.h"
#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace TimeDomainFixtures;

namespace {

GateDescription gateAround(double center, double halfWidth)
{
    GateDescription gate;
    gate.timeStart = center - halfWidth;
    gate.timeStop = center + halfWidth;
    gate.kaiserBeta = 6.0;
    gate.kaiserBetaX = 6.0;
    gate.center = center;
    gate.halfWidth = halfWidth;
    return gate;
}

// Largest deviation over the middle of the band, away from the window's edge effects.
double midBandError(const std::vector<Complex>& actual, const std::vector<Complex>& expected)
{
    double error = 0.0;
    for (std::size_t k = actual.size() / 5; k < actual.size() * 4 / 5; ++k)
        error = std::max(error, std::abs(actual[k] - expected[k]));
    return error;
}

} // namespace

// Two reflections 2 ns apart: a gate around either keeps it and removes the other.
TEST(TimeGate, KeepsTheReflectionInsideAndRemovesTheOneOutside)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const auto near = delayedReflection(f, 0.3, 1.0e-9);
        const auto far = delayedReflection(f, -0.5, 3.0e-9);
        const auto measured = sum(near, far);
        for (const auto& [center, kept] : {std::pair{1.0e-9, &near}, std::pair{3.0e-9, &far}}) {
            const auto gated = applyTimeGate(measured, f, kind, gateAround(center, 0.8e-9));
            ASSERT_EQ(gated.size(), f.size());
            EXPECT_LT(midBandError(gated, *kept), 0.01) << "kind " << kind << ", centre " << center;
        }
    }
}

TEST(TimeGate, KeepsTheStepOfALossyLineAndDropsTheLoadBehindIt)
{
    // The line ended in an open instead: the open's reflection comes 1 ns after the step.
    using namespace Simulator::Physics;
    const auto f = lowPass();
    const LineCascade line({{50.0, 0.3e-9, 0.02}, {40.0, 0.5e-9, 0.02}});
    const auto withOpen = reflectStandard(line, 1.0, f).s11();
    const auto matched = impedanceStep(f, 0.02);
    const auto gated = applyTimeGate(withOpen, f, 0, gateAround(0.6e-9, 0.4e-9));
    EXPECT_LT(midBandError(gated, matched), 0.01);
}

// A kernel of 1 everywhere: a gate as wide as the whole period, 1 / df.
TEST(TimeGate, FullPeriodGateLeavesTheResponseUnchanged)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const auto s = impedanceStep(f, 0.05);
        const auto gated = applyTimeGate(s, f, kind, gateAround(0.7e-9, 0.5 / (f[1] - f[0])));
        ASSERT_EQ(gated.size(), s.size());
        for (std::size_t k = 0; k < s.size(); ++k)
            EXPECT_LT(std::abs(gated[k] - s[k]), 1e-12) << "kind " << kind << ", point " << k;
    }
}

// The gate is linear in the response whatever its size against the gate kernel's, and a
// response of zeros stays zeros (to the kernel's rounding, about 1e-25).
TEST(TimeGate, ScalesWithTheResponse)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const auto s = impedanceStep(f, 0.05);
        const GateDescription gate = gateAround(0.6e-9, 0.4e-9);
        const auto gated = applyTimeGate(s, f, kind, gate);
        for (double factor : {1e-9, 1e6}) {
            std::vector<Complex> scaled(s);
            for (auto& value : scaled)
                value *= factor;
            const auto gatedScaled = applyTimeGate(scaled, f, kind, gate);
            ASSERT_EQ(gatedScaled.size(), s.size());
            for (std::size_t k = 0; k < s.size(); ++k)
                EXPECT_LT(std::abs(gatedScaled[k] / factor - gated[k]), 1e-12) << "kind " << kind << ", point " << k;
        }
        for (const Complex& value : applyTimeGate(std::vector<Complex>(f.size()), f, kind, gate))
            EXPECT_LT(std::abs(value), 1e-20);
    }
}

TEST(TimeGate, PhaseRuleFindsTheDelay)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const auto exact = findGateCenter(delayedReflection(f, 1.0, 1.3e-9), f, 0, gateAround(1.3e-9, 0.2e-9), kind);
        ASSERT_TRUE(exact.has_value());
        EXPECT_NEAR(*exact, 1.3e-9, 1e-18);
        // A delay a little away from the window's middle is found from the phase at the band edge.
        const auto off = findGateCenter(delayedReflection(f, 0.5, 1.31e-9), f, 0, gateAround(1.3e-9, 0.2e-9), kind);
        ASSERT_TRUE(off.has_value());
        EXPECT_NEAR(*off, 1.31e-9, 1e-16);
    }
    const auto f = lowPass();
    EXPECT_FALSE(findGateCenter(delayedReflection(f, 1.0, 1e-9), f, 2, gateAround(1e-9, 0.2e-9), 0).has_value());
}

// The search settles where the reflection falls on a sample of the transform, which is
// where its time response leaks least; the candidates span one natural time step (half of
// one on a band-pass grid) around the window's middle.
TEST(TimeGate, SearchAlignsTheReflectionWithTheSamples)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const double tau = 1.234e-9;
        const double naturalStep = 1.0 / (static_cast<double>(kind == 0 ? 801 : 381) * (f[1] - f[0]));
        const auto gate = gateAround(tau + 0.2 * naturalStep, 0.6e-9);
        const auto center = findGateCenter(delayedReflection(f, 0.7, tau), f, 1, gate, kind);
        ASSERT_TRUE(center.has_value());
        EXPECT_NEAR(*center, tau, 0.11e-12) << "kind " << kind;
    }
}

TEST(TimeGate, RefusesUnevenGrids)
{
    MessageCapture capture;
    auto f = lowPass();
    f[100] += 0.2 * (f[1] - f[0]);
    const auto s = delayedReflection(f, 0.5, 1e-9);
    EXPECT_TRUE(applyTimeGate(s, f, 0, gateAround(1e-9, 0.3e-9)).empty());
    EXPECT_FALSE(findGateCenter(s, f, 0, gateAround(1e-9, 0.3e-9), 0).has_value());
    EXPECT_FALSE(findGateCenter(s, f, 1, gateAround(1e-9, 0.3e-9), 1).has_value());
    EXPECT_EQ(MessageCapture::lines().count("Time-domain transform refused: the frequency grid is not evenly spaced"), 3);
}
