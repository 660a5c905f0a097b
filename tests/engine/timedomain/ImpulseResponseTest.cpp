#include "engine/timedomain/ImpulseResponse.h"

#include "tests/engine/timedomain/TimeDomainFixtures.h"
#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace TimeDomainFixtures;

namespace {

double timeAtPeak(const TimeDomainResponse& response)
{
    return response.times[peakMagnitude(response.values).index];
}

} // namespace

// The two passes of the processes: a coarse one on the natural axis, then a fine one
// around the coarse peak; both grid kinds put a delayed reflection at its delay with its size.
TEST(ImpulseResponse, DelayedReflectionPeaksAtItsDelayWithItsMagnitude)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        for (const auto& [gamma, tau] : {std::pair{0.4, 1.23e-9}, std::pair{-0.8, 4.071e-9}}) {
            const auto s = delayedReflection(f, gamma, tau);
            const auto coarse = computeImpulseResponse(s, f, 0.0, 0.0, 0.0, kind);
            ASSERT_FALSE(coarse.values.empty());
            const double naturalStep = coarse.times[1] - coarse.times[0];
            EXPECT_NEAR(timeAtPeak(coarse), tau, naturalStep) << "kind " << kind;

            const double center = timeAtPeak(coarse);
            const auto fine = computeImpulseResponse(s, f, center - 0.2e-9, center + 0.2e-9, 3.0, kind);
            ASSERT_EQ(fine.values.size(), coarse.values.size());
            const double fineStep = fine.times[1] - fine.times[0];
            EXPECT_NEAR(timeAtPeak(fine), tau, fineStep) << "kind " << kind;
            EXPECT_NEAR(peakMagnitude(fine.values).magnitude, std::abs(gamma), 1e-3) << "kind " << kind;
        }
    }
}

TEST(ImpulseResponse, ImpedanceStepOfALossyLine)
{
    for (int kind : {0, 1}) {
        const auto f = kind == 0 ? lowPass() : bandPass();
        const auto response = computeImpulseResponse(impedanceStep(f, 0.02), f, 0.3e-9, 0.9e-9, 3.0, kind);
        ASSERT_FALSE(response.values.empty());
        const auto peak = peakMagnitude(response.values);
        EXPECT_NEAR(response.times[peak.index], 0.6e-9, 1e-12) << "kind " << kind;
        // -1/9 at the step, a little less after the loss of the way there and back.
        EXPECT_LT(peak.magnitude, 1.0 / 9.0);
        EXPECT_GT(peak.magnitude, 0.9 / 9.0);
    }
}

TEST(ImpulseResponse, TimeAxes)
{
    const auto f = lowPass();
    const auto s = delayedReflection(f, 0.5, 1e-9);
    MessageCapture capture;
    const auto natural = computeImpulseResponse(s, f, 1.0, 1.0, 6.0, 0);
    // A response that can be formed leaves the debug channel quiet.
    EXPECT_TRUE(capture.lines().isEmpty()) << capture.lines().join("; ").toStdString();
    ASSERT_EQ(natural.times.size(), 801u);
    EXPECT_NEAR(natural.times.front(), -natural.times.back(), 1e-21);
    EXPECT_NEAR(natural.times[1] - natural.times[0], 1.0 / (801 * 50e6), 1e-21);

    const auto spread = computeImpulseResponse(s, f, -1e-9, 3e-9, 6.0, 0);
    ASSERT_EQ(spread.times.size(), 801u);
    EXPECT_EQ(spread.times.front(), -1e-9);
    EXPECT_EQ(spread.times.back(), 3e-9);

    const auto band = bandPass();
    EXPECT_EQ(computeImpulseResponse(delayedReflection(band, 0.5, 1e-9), band, 0.0, 0.0, 6.0, 1).times.size(), 381u);
}

TEST(ImpulseResponse, RefusesUnevenGridsAndNonFiniteSpectra)
{
    MessageCapture capture;
    auto f = bandPass();
    f[200] += 0.3 * (f[1] - f[0]);
    EXPECT_TRUE(computeImpulseResponse(delayedReflection(f, 0.5, 1e-9), f, 0.0, 1e-9, 3.0, 1).values.empty());
    EXPECT_TRUE(MessageCapture::lines().contains(
        "Time-domain transform refused: the frequency grid is not evenly spaced"));
    // A band-pass grid treated as low pass cannot be mirrored through 0 Hz.
    const auto band = bandPass();
    EXPECT_TRUE(computeImpulseResponse(delayedReflection(band, 0.5, 1e-9), band, 0.0, 1e-9, 3.0, 0).values.empty());

    const auto low = lowPass();
    auto s = delayedReflection(low, 0.5, 1e-9);
    s[7] = {std::nan(""), 0.0};
    EXPECT_TRUE(computeImpulseResponse(s, low, 0.0, 1e-9, 3.0, 0).values.empty());
}

TEST(ImpulseResponse, PeakMagnitudeTakesTheFirstLargest)
{
    const auto peak = peakMagnitude({{3.0, 4.0}, {5.0, 0.0}, {1.0, 0.0}});
    EXPECT_EQ(peak.magnitude, 5.0);
    EXPECT_EQ(peak.index, 0u);
    EXPECT_TRUE(std::isnan(peakMagnitude({}).magnitude));
}
