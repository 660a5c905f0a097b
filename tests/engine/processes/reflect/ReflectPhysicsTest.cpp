#include "tests/engine/processes/reflect/ReflectExtraction.h"

#include "tests/engine/processes/ThruExtraction.h"
#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

struct Case
{
    int process;
    bool lowPass;
};

std::string caseName(const testing::TestParamInfo<Case>& info)
{
    const bool filtering = info.param.process == FilteringReflectProcess
        || info.param.process == FilteringReflectOpenAndShortProcess;
    return std::string(filtering ? "Filtering" : "TimeGating") + (info.param.lowPass ? "LowPass" : "BandPass");
}

std::vector<double> gridOf(bool lowPass)
{
    return lowPass ? lowPassGrid(25e6, 800) : bandPassGrid(100e6, 20e9, 800);
}

const LineCascade matchedLine({{50.0, 300e-12, 0.3}});
// A fixture half with impedance steps (reflections -0.087, +0.16, -0.074), described
// from its analyzer side; it ends in 50 ohm line, so its junction is reference-matched.
const LineCascade steppedHalf({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});

struct SingleStandardRuns
{
    ReflectExtraction open;
    ReflectExtraction shortStandard;
};

void runBoth(SingleStandardRuns& runs, const LineCascade& half, const std::vector<double>& grid,
             MaxSignalEliminationType type)
{
    ASSERT_TRUE(runs.open.runSingle(openStandard(half, grid), false, type)) << runs.open.errors.join("; ").toStdString();
    ASSERT_TRUE(runs.shortStandard.runSingle(shortStandard(half, grid), true, type))
        << runs.shortStandard.errors.join("; ").toStdString();
}

void expectNear(const SParametersTwoPort& actual, const SParametersTwoPort& expected, double from, double to,
                double reflectionTolerance, double transmissionTolerance, double junctionTolerance)
{
    EXPECT_LT(maxDifference(actual.s11(), expected.s11(), from, to), reflectionTolerance);
    EXPECT_LT(maxDifference(actual.s21(), expected.s21(), from, to), transmissionTolerance);
    EXPECT_LT(maxDifference(actual.s12(), expected.s12(), from, to), transmissionTolerance);
    EXPECT_LT(maxDifference(actual.s22(), expected.s22(), from, to), junctionTolerance);
}

class SingleStandard : public testing::TestWithParam<Case>
{
};

} // namespace

// The exponential-fit separation (the measurers' default) on a matched line: the standard's
// reflection is one clean component, so only the cubic smoothing of its envelope is left
// as an error.
TEST_P(SingleStandard, OpenAndShortOfAMatchedLineGiveTheLine)
{
    const auto grid = gridOf(GetParam().lowPass);
    SingleStandardRuns runs{ReflectExtraction(GetParam().process), ReflectExtraction(GetParam().process)};
    runBoth(runs, matchedLine, grid, MaxSignalEliminationType::ExponentialFit);
    const auto truth = matchedLine.sParameters(grid);
    for (const ReflectExtraction* run : {&runs.open, &runs.shortStandard}) {
        expectNear(*run->port.sParameters(), truth, 0.05, 0.9, 2e-3, 2e-3, 2e-3);
        EXPECT_NEAR(*run->port.fixtureLength(), 300e-12, 2e-12);
        EXPECT_TRUE(run->errors.isEmpty());
    }
}

// With steps inside the half, the reflections bouncing between the steps reach the
// analyzer after the standard's first pass and are not part of its separated reflection.
// Their pairwise products (0.087 x 0.16 + 0.16 x 0.074 + 0.087 x 0.074 = 0.032), grown by
// the higher orders, bound the error of t to a few hundredths; x follows from the ratio of
// two such terms and sees some three times that. Open and short lose those bounces with
// opposite signs, so they differ by up to twice those bounds.
TEST_P(SingleStandard, OpenAndShortOfASteppedHalfAgreeWithEachOtherAndTheTruth)
{
    const auto grid = gridOf(GetParam().lowPass);
    SingleStandardRuns runs{ReflectExtraction(GetParam().process), ReflectExtraction(GetParam().process)};
    runBoth(runs, steppedHalf, grid, MaxSignalEliminationType::ExponentialFit);
    const auto truth = steppedHalf.sParameters(grid);
    for (const ReflectExtraction* run : {&runs.open, &runs.shortStandard}) {
        expectNear(*run->port.sParameters(), truth, 0.05, 0.9, 0.06, 0.05, 0.12);
        // One way through the half, as the 2x-thru stores it.
        EXPECT_NEAR(*run->port.fixtureLength(), steppedHalf.totalDelay(), 2e-12);
        EXPECT_NEAR(run->port.impulseResponse()->delay, 2.0 * steppedHalf.totalDelay(), 4e-12);
        EXPECT_TRUE(run->port.impulseResponse()->doublePass);
        EXPECT_FALSE(run->port.isMirrored());
        EXPECT_TRUE(run->port.isCalculated());
    }
    expectNear(*runs.open.port.sParameters(), *runs.shortStandard.port.sParameters(), 0.05, 0.9, 0.12, 0.1, 0.24);
}

// A time gate of +-nRiseTime rise times is a kernel some fifth of the band wide in
// frequency, so near the band edges it loses part of the standard's reflection; inside
// the band it recovers the line within a few hundredths.
TEST_P(SingleStandard, TimeGateSeparationRecoversAMatchedLineInsideTheBand)
{
    const auto grid = gridOf(GetParam().lowPass);
    SingleStandardRuns runs{ReflectExtraction(GetParam().process), ReflectExtraction(GetParam().process)};
    runBoth(runs, matchedLine, grid, MaxSignalEliminationType::TimeGate);
    const auto truth = matchedLine.sParameters(grid);
    for (const ReflectExtraction* run : {&runs.open, &runs.shortStandard})
        expectNear(*run->port.sParameters(), truth, 0.2, 0.8, 2e-2, 2e-2, 6e-2);
}

TEST_P(SingleStandard, LoadsHalfTheThruSpanAndConvertsOnlyOnALowPassGrid)
{
    const bool lowPass = GetParam().lowPass;
    const auto grid = gridOf(lowPass);
    ReflectExtraction run(GetParam().process, Z0ConversionType::User);
    run.port.setCustomImpedance(60.0);
    ASSERT_TRUE(run.runSingle(openStandard(steppedHalf, grid), false, MaxSignalEliminationType::ExponentialFit))
        << run.errors.join("; ").toStdString();

    EXPECT_EQ(run.parameters.gatingMode(), lowPass ? 0 : 1);
    EXPECT_EQ(run.parameters.pulseMode(), lowPass ? 0 : 1);
    EXPECT_EQ(run.parameters.nRiseTime(), lowPass ? 2 : 4);
    EXPECT_DOUBLE_EQ(run.parameters.riseTime(), 0.89 / grid.back());
    EXPECT_DOUBLE_EQ(run.parameters.startZero(), -0.5 / (grid[1] - grid[0]));
    EXPECT_EQ(run.port.impulseResponse()->resolved, lowPass);
    EXPECT_TRUE(run.port.gating().has_value());
    EXPECT_EQ(run.port.stepResponse().has_value(), lowPass);
    EXPECT_EQ(run.port.currentSParametersKind(), lowPass ? FixturePort::ConvertedKind : FixturePort::DefaultKind);
    EXPECT_EQ(run.port.z0(), lowPass ? 60.0 : 50.0);
    EXPECT_TRUE(run.port.isCalculated());
    if (lowPass) {
        // Just before the standard the half is 50 ohm line; two rise times before the open,
        // the open's own step still adds a few hundredths to the reflection level.
        EXPECT_NEAR(*run.port.impedanceValue(), 50.0, 6.0);
        EXPECT_LT(run.port.stepResponse()->position, run.port.impulseResponse()->delay);
    }
}

INSTANTIATE_TEST_SUITE_P(Reflect, SingleStandard,
                         testing::Values(Case{TimeGateReflectProcess, true}, Case{TimeGateReflectProcess, false},
                                         Case{FilteringReflectProcess, true}, Case{FilteringReflectProcess, false}),
                         caseName);

namespace {

class OpenAndShort : public testing::TestWithParam<Case>
{
};

int thruProcessOf(int reflectProcess)
{
    return reflectProcess == TimeGateReflectOpenAndShortProcess ? TimeGateProcess : FilteringProcess;
}

} // namespace

TEST_P(OpenAndShort, GivesTheLeftHalfOfTheThruOfTheHalfWithItsMirrorImage)
{
    const auto grid = gridOf(GetParam().lowPass);
    ReflectExtraction reflect(GetParam().process);
    ASSERT_TRUE(reflect.runOpenAndShort(openStandard(steppedHalf, grid), shortStandard(steppedHalf, grid)))
        << reflect.errors.join("; ").toStdString();
    ThruExtraction thru(thruProcessOf(GetParam().process));
    ASSERT_TRUE(thru.run(twoXThru(steppedHalf, steppedHalf, grid)));

    expectNear(*reflect.port.sParameters(), *thru.left.sParameters(), 0.0, 1.0, 1e-8, 1e-8, 1e-8);
    EXPECT_NEAR(*reflect.port.fixtureLength(), *thru.left.fixtureLength(), 1e-15);
    EXPECT_TRUE(reflect.port.impulseResponse()->doublePass);
    expectNear(*reflect.port.sParameters(), steppedHalf.sParameters(grid), 0.05, 0.9, 1e-2, 1e-2, 2e-2);

    // Nothing of the mirror half's scratch port reaches the real one.
    EXPECT_FALSE(reflect.port.isMirrored());
    EXPECT_EQ(reflect.port.currentSParametersKind(), FixturePort::DefaultKind);
    EXPECT_TRUE(reflect.port.isCalculated());
    EXPECT_TRUE(reflect.errors.isEmpty());
}

TEST_P(OpenAndShort, ReGridsTheShortOntoTheOpensFrequencies)
{
    const auto grid = gridOf(GetParam().lowPass);
    const auto fineGrid = GetParam().lowPass ? lowPassGrid(12.5e6, 1600) : bandPassGrid(100e6, 20e9, 1599);
    ReflectExtraction sameGrid(GetParam().process);
    ASSERT_TRUE(sameGrid.runOpenAndShort(openStandard(steppedHalf, grid), shortStandard(steppedHalf, grid)));
    ReflectExtraction otherGrid(GetParam().process);
    ASSERT_TRUE(otherGrid.runOpenAndShort(openStandard(steppedHalf, grid), shortStandard(steppedHalf, fineGrid)))
        << otherGrid.errors.join("; ").toStdString();
    EXPECT_EQ(otherGrid.port.sParameters()->frequencies(), grid);
    // Linear interpolation between points 12.5 MHz apart of a response 0.8 ns long.
    expectNear(*otherGrid.port.sParameters(), *sameGrid.port.sParameters(), 0.05, 0.9, 5e-3, 5e-3, 5e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Reflect, OpenAndShort,
    testing::Values(Case{TimeGateReflectOpenAndShortProcess, true}, Case{TimeGateReflectOpenAndShortProcess, false},
                    Case{FilteringReflectOpenAndShortProcess, true}, Case{FilteringReflectOpenAndShortProcess, false}),
    caseName);

// The reflect measurement's delay is a round trip: an offset must act on the one-way
// length, as it does on a half from a 2x-thru.
TEST(ReflectOffset, MatchedThreeHundredPicosecondLineShiftedBackIsATwoHundredPicosecondLine)
{
    const auto grid = lowPassGrid(25e6, 800);
    const auto shorter = LineCascade({{50.0, 200e-12, 0.2}}).sParameters(grid);
    ReflectExtraction single(TimeGateReflectProcess);
    ASSERT_TRUE(single.runSingle(openStandard(matchedLine, grid), false, MaxSignalEliminationType::ExponentialFit));
    ReflectExtraction both(TimeGateReflectOpenAndShortProcess);
    ASSERT_TRUE(both.runOpenAndShort(openStandard(matchedLine, grid), shortStandard(matchedLine, grid)));
    for (ReflectExtraction* run : {&single, &both}) {
        ASSERT_TRUE(run->port.applyOffset(-100e-12));
        EXPECT_LT(maxDifference(run->port.sParameters()->s21(), shorter.s21(), 0.05, 0.9), 1e-2);
        EXPECT_NEAR(*run->port.fixtureLength(), 200e-12, 2e-12);
        EXPECT_EQ(run->port.currentSParametersKind(), FixturePort::OffsetKind);
    }
}

TEST(ReflectOffset, ASymmetricFixtureNeedsNoOffsetBetweenItsReflectAndThruHalves)
{
    const auto grid = lowPassGrid(25e6, 800);
    ThruExtraction thru(TimeGateProcess);
    ASSERT_TRUE(thru.run(twoXThru(steppedHalf, steppedHalf, grid)));
    for (bool isShort : {false, true}) {
        ReflectExtraction reflect(TimeGateReflectProcess);
        ASSERT_TRUE(reflect.runSingle(isShort ? shortStandard(steppedHalf, grid) : openStandard(steppedHalf, grid),
                                      isShort, MaxSignalEliminationType::TimeGate));
        EXPECT_NEAR(*reflect.port.fixtureLength() - *thru.left.fixtureLength(), 0.0, 2e-12);
    }
}

TEST(ReflectBandPass, HalvesFromAHighStartFrequencyKeepTheSignOfTheirDelay)
{
    const auto grid = bandPassGrid(1e9, 20e9, 400);
    const LineCascade line({{50.0, 400e-12, 0.3}});
    const auto truth = line.sParameters(grid);
    for (int process : {TimeGateReflectProcess, FilteringReflectProcess}) {
        ReflectExtraction run(process);
        ASSERT_TRUE(run.runSingle(openStandard(line, grid), false, MaxSignalEliminationType::ExponentialFit));
        EXPECT_LT(maxDifference(run.port.sParameters()->s21(), truth.s21(), 0.05, 0.9), 1e-2) << process;
    }
    ReflectExtraction both(TimeGateReflectOpenAndShortProcess);
    ASSERT_TRUE(both.runOpenAndShort(openStandard(line, grid), shortStandard(line, grid)));
    EXPECT_LT(maxDifference(both.port.sParameters()->s21(), truth.s21(), 0.05, 0.9), 1e-2);
}
