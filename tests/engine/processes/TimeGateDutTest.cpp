#include "tests/engine/processes/ThruExtraction.h"

#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

const LineCascade half({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});
const LineCascade dut({{50.0, 100e-12, 0.02}, {30.0, 40e-12, 0.05}, {70.0, 40e-12, 0.05}, {50.0, 100e-12, 0.02}});

SParametersOnePort reflectionAt(const SParametersTwoPort& set, bool port1)
{
    SParametersOnePort one;
    one.setFrequencies(set.frequencies());
    one.setS11(port1 ? set.s11() : set.s22());
    return one;
}

} // namespace

TEST(TimeGateDut, RegatedHalvesKeepTheDutsOwnReflection)
{
    // The gate ends at the junction, the DUT's steps lie 600 ps and more beyond it.
    const LineCascade lossyHalf(
        {{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.05}, {58.0, 100e-12, 0.05}, {50.0, 150e-12, 0.05}});
    const LineCascade ledDut({{50.0, 300e-12, 0.02}, {30.0, 40e-12, 0.05}, {70.0, 40e-12, 0.05}, {50.0, 300e-12, 0.02}});
    const auto grid = lowPassGrid(25e6, 800);
    ThruExtraction run(TimeGateProcess);
    ASSERT_TRUE(run.run(twoXThru(lossyHalf, lossyHalf, grid)));
    const auto measured = dutInFixture(lossyHalf, ledDut, lossyHalf, grid);

    ASSERT_TRUE(run.process->calculateDUT(reflectionAt(measured, true), reflectionAt(measured, false)))
        << run.errors.join("; ").toStdString();
    EXPECT_EQ(run.left.currentSParametersKind(), FixturePort::DutLowPassKind);
    EXPECT_EQ(run.right.currentSParametersKind(), FixturePort::DutLowPassKind);

    const auto truth = ledDut.sParameters(grid);
    std::vector<std::complex<double>> s11, s21;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const auto inner = deembedAt(measured, run.left, run.right, i);
        s11.push_back(inner(0, 0));
        s21.push_back(inner(1, 0));
    }
    // The DUT reflects up to 0.64. The gate works on the spectrum as measured, cut off at
    // the top frequency, so the side lobes of the DUT's strong reflections reach back into
    // the gate (falling only as 1 / (pi * distance * band)); they bound the result near 4 %
    // of that reflection, where a gate that swallowed the DUT would be off by all of it.
    EXPECT_LT(maxDifference(s11, truth.s11(), 0.05, 0.9), 3e-2);
    EXPECT_LT(maxDifference(s21, truth.s21(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(run.left.sParameters()->s11(), lossyHalf.sParameters(grid).s11(), 0.05, 0.9), 1.5e-2);
}

TEST(TimeGateDut, OneSideChangesOnlyThatSideAndRepeatsFromTheBaseSet)
{
    const auto grid = lowPassGrid(25e6, 400);
    ThruExtraction run(TimeGateProcess);
    ASSERT_TRUE(run.run(twoXThru(half, half, grid)));
    const SParametersTwoPort leftBase = *run.left.sParameters();
    const SParametersTwoPort rightBase = *run.right.sParameters();
    const auto measured = dutInFixture(half, dut, half, grid);

    ASSERT_TRUE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()));
    EXPECT_NE(run.left.sParameters()->s11(), leftBase.s11());
    EXPECT_EQ(run.right.sParameters()->s22(), rightBase.s22());
    EXPECT_EQ(run.right.currentSParametersKind(), FixturePort::DutLowPassKind);

    ASSERT_TRUE(run.process->calculateDUT(SParametersOnePort(), reflectionAt(measured, false)));
    EXPECT_EQ(run.left.sParameters()->s11(), leftBase.s11());
    EXPECT_NE(run.right.sParameters()->s22(), rightBase.s22());
    EXPECT_EQ(run.left.currentSParametersKind(), FixturePort::DutLowPassKind);
}

TEST(TimeGateDut, MixedKindsAreEachConvertedOnce)
{
    const auto grid = lowPassGrid(25e6, 400);
    ThruExtraction run(TimeGateProcess, Z0ConversionType::User);
    run.left.setCustomImpedance(75.0);
    run.right.setCustomImpedance(75.0);
    ASSERT_TRUE(run.run(twoXThru(half, half, grid)));
    const auto measured = dutInFixture(half, dut, half, grid);
    ASSERT_TRUE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()));
    const SParametersTwoPort leftOnce = *run.left.sParameters();
    const SParametersTwoPort rightOnce = *run.right.sParameters();

    // The right port back on its default set: kinds 6 and 0.
    ASSERT_TRUE(run.right.selectDefaultSParameters());
    ASSERT_TRUE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()));
    EXPECT_LT(maxDifference(run.left.sParameters()->s21(), leftOnce.s21()), 1e-12);
    EXPECT_LT(maxDifference(run.left.sParameters()->s11(), leftOnce.s11()), 1e-12);
    EXPECT_LT(maxDifference(run.right.sParameters()->s21(), rightOnce.s21()), 1e-12);
    EXPECT_EQ(run.left.z0(), 75.0);
    EXPECT_EQ(run.right.z0(), 75.0);
}

TEST(TimeGateDut, GatesWithTheGridKindOfTheDutData)
{
    // The shared parameters still hold the low-pass thru's gating mode when a DUT
    // measured on a band-pass grid arrives; a low-pass gate cannot mirror that grid.
    const auto lowGrid = lowPassGrid(25e6, 800);
    const auto bandGrid = bandPassGrid(100e6, 20e9, 800);
    ThruExtraction run(TimeGateProcess);
    ASSERT_TRUE(run.run(twoXThru(half, half, lowGrid)));
    ASSERT_EQ(run.parameters.gatingMode(), 0);

    const auto measured = dutInFixture(half, dut, half, bandGrid);
    ASSERT_TRUE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()))
        << run.errors.join("; ").toStdString();
    EXPECT_LT(maxDifference(run.left.sParameters()->s11(), half.sParameters(lowGrid).s11(), 0.05, 0.9), 2e-2);
    EXPECT_EQ(run.left.currentSParametersKind(), FixturePort::DutLowPassKind);
}

TEST(TimeGateDut, RefusalsNameTheirCause)
{
    const auto grid = lowPassGrid(25e6, 200);
    ThruExtraction run(TimeGateProcess);
    EXPECT_FALSE(run.process->calculateDUT(SParametersOnePort(), SParametersOnePort()));
    ASSERT_TRUE(run.run(twoXThru(half, half, grid)));
    EXPECT_FALSE(run.process->calculateDUT(SParametersOnePort(), SParametersOnePort()));

    run.parameters.setTestMode(true);
    run.parameters.setLowSignalCenterMode(2);
    const auto measured = dutInFixture(half, dut, half, grid);
    EXPECT_FALSE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()));
    EXPECT_FALSE(run.process->calculateDUT(SParametersOnePort(), reflectionAt(measured, false)));
    EXPECT_EQ(run.errors, QStringList({"ProcessTimeGate::calculateDUT: error input parameters",
                                       "ProcessTimeGate::calculateDUT: error input parameters",
                                       "ProcessTimeGate::calculateDUT: Error gating S11",
                                       "ProcessTimeGate::calculateDUT: Error gating S22"}));

    for (int method : {FilteringProcess, BisectProcess}) {
        ThruExtraction other(method);
        EXPECT_FALSE(other.process->calculateDUT(reflectionAt(measured, true), reflectionAt(measured, false)));
        EXPECT_EQ(other.errors, QStringList({"This process does not have a DUT calculation method"}));
    }
}

TEST(TimeGateDut, AConvertedSetWhoseDefaultIsMissingIsRefused)
{
    // Re-gating starts from the unconverted set; a port that lacks it cannot be re-gated.
    const auto grid = lowPassGrid(25e6, 200);
    ThruExtraction run(TimeGateProcess);
    ASSERT_TRUE(run.run(twoXThru(half, half, grid)));
    FixturePort converted;
    converted.setZ0(50.0);
    ASSERT_TRUE(converted.setImpulseResponse(*run.left.impulseResponse()));
    ASSERT_TRUE(converted.setCalculatedData(*run.left.sParameters()));
    ASSERT_TRUE(converted.setUncorrectedSParametersZConversion(*run.left.sParameters()));
    ASSERT_TRUE(run.process->setFixturesForCalculate(&converted, &run.right));

    const auto measured = dutInFixture(half, dut, half, grid);
    EXPECT_FALSE(run.process->calculateDUT(reflectionAt(measured, true), SParametersOnePort()));
    EXPECT_EQ(run.errors, QStringList({"ProcessTimeGate::calculateDUT: error uncorrected fixture s parameters"}));
    EXPECT_EQ(converted.currentSParametersKind(), FixturePort::ConvertedKind);
}
