#include "tests/engine/processes/reflect/ReflectExtraction.h"

#include "tests/engine/processes/ThruExtraction.h"
#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

const LineCascade half({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.05}, {58.0, 100e-12, 0.05}, {50.0, 150e-12, 0.05}});

// The half with a DUT behind it that ends in a matched load; the DUT's steps lie 300 ps
// and more beyond the junction, outside the gate that ends there.
SParametersOnePort dutBehind(const std::vector<double>& grid)
{
    std::vector<LineSection> sections = half.sections();
    for (const LineSection& s : {LineSection{50.0, 300e-12, 0.02}, LineSection{30.0, 40e-12, 0.05},
                                 LineSection{70.0, 40e-12, 0.05}, LineSection{50.0, 300e-12, 0.02}})
        sections.push_back(s);
    return reflectStandard(LineCascade(sections), 0.0, grid);
}

// A time-gating reflect run of either kind on the half.
struct TimeGatingRun
{
    ReflectExtraction extraction;

    TimeGatingRun(int process, const std::vector<double>& grid, Z0ConversionType conversion)
        : extraction(process, conversion)
    {
        const bool ran = process == TimeGateReflectProcess
            ? extraction.runSingle(openStandard(half, grid), false, MaxSignalEliminationType::ExponentialFit)
            : extraction.runOpenAndShort(openStandard(half, grid), shortStandard(half, grid));
        EXPECT_TRUE(ran) << extraction.errors.join("; ").toStdString();
    }
};

class TimeGatingDut : public testing::TestWithParam<int>
{
};

} // namespace

TEST_P(TimeGatingDut, ReplacesTheOuterReflectionByTheGatedDutMeasurement)
{
    const auto grid = lowPassGrid(25e6, 800);
    TimeGatingRun run(GetParam(), grid, Z0ConversionType::None);
    FixturePort& port = run.extraction.port;
    const SParametersTwoPort base = *port.sParameters();
    QSignalSpy changed(&port, &FixturePort::uncorrectedSParametersChanged);

    ASSERT_TRUE(run.extraction.process->calculateDUT(dutBehind(grid))) << run.extraction.errors.join("; ").toStdString();
    EXPECT_EQ(changed.count(), 1);
    // Without a conversion the re-gated set keeps the band-pass mark, also on a low-pass grid.
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DutBandPassKind);
    EXPECT_NE(port.sParameters()->s11(), base.s11());
    EXPECT_EQ(port.sParameters()->s21(), base.s21());
    EXPECT_EQ(port.sParameters()->s22(), base.s22());
    EXPECT_LT(maxDifference(port.sParameters()->s11(), half.sParameters(grid).s11(), 0.05, 0.9), 1.5e-2);

    // A second calculation starts again from the default set.
    const SParametersTwoPort first = *port.sParameters();
    ASSERT_TRUE(run.extraction.process->calculateDUT(dutBehind(grid)));
    EXPECT_EQ(port.sParameters()->s11(), first.s11());
    EXPECT_TRUE(run.extraction.errors.isEmpty());
}

TEST_P(TimeGatingDut, ConvertsALowPassResultAndKeepsTheOffsetBase)
{
    const auto grid = lowPassGrid(25e6, 800);
    TimeGatingRun run(GetParam(), grid, Z0ConversionType::Fixture);
    FixturePort& port = run.extraction.port;
    ASSERT_EQ(port.currentSParametersKind(), FixturePort::ConvertedKind);
    ASSERT_TRUE(run.extraction.process->calculateDUT(dutBehind(grid)));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DutLowPassKind);
    EXPECT_EQ(port.z0(), port.impedanceValue());

    port.setConversionType(Z0ConversionType::None);
    ASSERT_TRUE(port.applyOffset(-20e-12));
    ASSERT_TRUE(run.extraction.process->calculateDUT(dutBehind(grid)));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DutBandPassOffsetKind);
    EXPECT_NEAR(*port.fixtureLength(), half.totalDelay() - 20e-12, 2e-12);
}

TEST_P(TimeGatingDut, ReGridsADutMeasuredOnAnotherGrid)
{
    const auto grid = lowPassGrid(25e6, 800);
    TimeGatingRun onGrid(GetParam(), grid, Z0ConversionType::None);
    ASSERT_TRUE(onGrid.extraction.process->calculateDUT(dutBehind(grid)));
    TimeGatingRun offGrid(GetParam(), grid, Z0ConversionType::None);
    ASSERT_TRUE(offGrid.extraction.process->calculateDUT(dutBehind(lowPassGrid(12.5e6, 1600))));
    EXPECT_EQ(offGrid.extraction.port.sParameters()->frequencies(), grid);
    EXPECT_LT(maxDifference(offGrid.extraction.port.sParameters()->s11(),
                            onGrid.extraction.port.sParameters()->s11(), 0.05, 0.9),
              1e-2);
}

TEST_P(TimeGatingDut, RefusesMissingOrUngateableData)
{
    const auto grid = lowPassGrid(25e6, 400);
    ReflectExtraction unrun(GetParam());
    QSignalSpy unrunErrors(unrun.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(unrun.process->calculateDUT(dutBehind(grid)));
    ASSERT_EQ(unrunErrors.count(), 1);
    EXPECT_EQ(unrunErrors.at(0).at(0).toString(), "Invalid input data of  DUT with fixture");

    TimeGatingRun run(GetParam(), grid, Z0ConversionType::None);
    QSignalSpy errors(run.extraction.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(run.extraction.process->calculateDUT(SParametersOnePort()));
    // A logarithmic sweep cannot be transformed to the time domain.
    std::vector<double> logGrid(400);
    for (std::size_t i = 0; i < logGrid.size(); ++i)
        logGrid[i] = 25e6 * std::pow(800.0, static_cast<double>(i) / 399.0);
    EXPECT_FALSE(run.extraction.process->calculateDUT(dutBehind(logGrid)));
    ASSERT_EQ(errors.count(), 2);
    EXPECT_EQ(errors.at(0).at(0).toString(), "Invalid input data of  DUT with fixture");
    EXPECT_EQ(errors.at(1).at(0).toString(), "Invalid calculated data of DUT with fixture. NaN or Inf value found");
    EXPECT_EQ(run.extraction.port.currentSParametersKind(), FixturePort::DefaultKind);
}

INSTANTIATE_TEST_SUITE_P(Reflect, TimeGatingDut,
                         testing::Values(TimeGateReflectProcess, TimeGateReflectOpenAndShortProcess),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == TimeGateReflectProcess ? "SingleStandard" : "OpenAndShort";
                         });

TEST(FilteringReflectDut, BothKindsRefuseTheDutCalculation)
{
    const auto grid = lowPassGrid(25e6, 400);
    ReflectExtraction single(FilteringReflectProcess);
    ASSERT_TRUE(single.runSingle(openStandard(half, grid), false, MaxSignalEliminationType::ExponentialFit));
    ReflectExtraction both(FilteringReflectOpenAndShortProcess);
    ASSERT_TRUE(both.runOpenAndShort(openStandard(half, grid), shortStandard(half, grid)));
    for (ReflectExtraction* run : {&single, &both}) {
        const SParametersTwoPort before = *run->port.sParameters();
        QSignalSpy errors(run->process.get(), &IProcessMethod::error);
        EXPECT_FALSE(run->process->calculateDUT(dutBehind(grid)));
        ASSERT_EQ(errors.count(), 1);
        EXPECT_EQ(errors.at(0).at(0).toString(), "The correction method does not support this measurement");
        EXPECT_EQ(run->port.sParameters()->s11(), before.s11());
    }
}
