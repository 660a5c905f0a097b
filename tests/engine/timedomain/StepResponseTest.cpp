#include "engine/timedomain/StepResponse.h"
#include "engine/vectors/Interpolation.h"

#include "tests/engine/timedomain/TimeDomainFixtures.h"
#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace TimeDomainFixtures;

// The impedance profile of a 50 ohm line stepping to 40 ohm: 50 ohm before the step's round
// trip of 0.6 ns, a 40 ohm plateau after it.
TEST(StepResponse, ImpedanceStepGivesItsPlateau)
{
    const auto f = lowPass();
    const auto result = computeStepResponse(impedanceStep(f), f, 0.0, 2e-9, 3.0, -2e-9, -0.2e-9, 50.0);
    ASSERT_EQ(result.times.size(), 801u);
    ASSERT_EQ(result.impedanceProfile.size(), 801u);
    ASSERT_EQ(result.stepResponse.size(), 801u);
    for (double t : {0.1e-9, 0.3e-9, 0.45e-9})
        EXPECT_NEAR(interp1(result.times, result.impedanceProfile, t), 50.0, 0.1) << t;
    for (double t : {0.8e-9, 1.2e-9, 1.9e-9})
        EXPECT_NEAR(interp1(result.times, result.impedanceProfile, t), 40.0, 0.1) << t;
    EXPECT_NEAR(interp1(result.times, result.stepResponse, 1.2e-9), -1.0 / 9.0, 2e-3);
}

TEST(StepResponse, ReferenceImpedanceScalesOnlyTheProfile)
{
    const auto f = lowPass();
    const auto s = delayedReflection(f, 1.0 / 3.0, 0.5e-9);
    const auto fifty = computeStepResponse(s, f, -1e-9, 2e-9, 3.0, -3e-9, -1.5e-9, 50.0);
    const auto seventyFive = computeStepResponse(s, f, -1e-9, 2e-9, 3.0, -3e-9, -1.5e-9, 75.0);
    ASSERT_EQ(fifty.times.size(), 801u);
    EXPECT_EQ(fifty.stepResponse, seventyFive.stepResponse);
    EXPECT_EQ(fifty.times, seventyFive.times);
    for (std::size_t k = 0; k < fifty.times.size(); ++k)
        EXPECT_NEAR(seventyFive.impedanceProfile[k], 1.5 * fifty.impedanceProfile[k], 1e-9);
    // Before the reflection the level is 0 (Z0); after it 1/3, which is twice Z0.
    EXPECT_NEAR(interp1(fifty.times, fifty.impedanceProfile, -0.5e-9), 50.0, 0.2);
    EXPECT_NEAR(interp1(fifty.times, fifty.impedanceProfile, 1.5e-9), 100.0, 0.5);
}

TEST(StepResponse, RefusesAnEmptyReferenceWindowAndNonHarmonicGrids)
{
    const auto f = lowPass();
    const auto s = impedanceStep(f);
    MessageCapture capture;
    const auto refused = computeStepResponse(s, f, 0.0, 2e-9, 3.0, -1e-9, -1e-9, 50.0);
    EXPECT_TRUE(refused.times.empty());
    EXPECT_TRUE(refused.stepResponse.empty());
    EXPECT_TRUE(refused.impedanceProfile.empty());
    EXPECT_EQ(MessageCapture::lines(), QStringList{"Step response refused: the reference window is empty"});
    EXPECT_TRUE(computeStepResponse(s, f, 0.0, 2e-9, 3.0, 0.0, -1e-9, 50.0).times.empty());

    const auto band = bandPass();
    EXPECT_TRUE(computeStepResponse(impedanceStep(band), band, 0.0, 2e-9, 3.0, -1e-9, -0.1e-9, 50.0).times.empty());
}
