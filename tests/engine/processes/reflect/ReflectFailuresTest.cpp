#include "tests/engine/processes/reflect/ReflectExtraction.h"

#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/reflect/ProcessTimeGateReflect.h"
#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"
#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/support/MessageCapture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

const LineCascade half({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});
const QString noisy = "The signal is too noisy. Check fixture connections and repeat the measurement.";

QStringList textsOf(const QSignalSpy& spy)
{
    QStringList texts;
    for (const QList<QVariant>& arguments : spy)
        texts << arguments.at(0).toString();
    return texts;
}

// A fixture reflection that cannot be divided by, to reach the last stage's own check.
class UnusableFixtureReflection : public ProcessTimeGateReflect
{
protected:
    bool extractFixture() override
    {
        fixtureReflection.assign(measured.s11().size(), std::numeric_limits<double>::quiet_NaN());
        return true;
    }
};

} // namespace

TEST(ReflectFailures, InputsThatCannotBeUsedAreRefusedBeforeAnyStage)
{
    const auto grid = lowPassGrid(25e6, 200);
    std::vector<double> logarithmic(200);
    for (std::size_t k = 0; k < logarithmic.size(); ++k)
        logarithmic[k] = 1e8 * std::pow(100.0, static_cast<double>(k) / 199.0);
    ReflectExtraction notLinear(TimeGateReflectProcess);
    EXPECT_FALSE(notLinear.runSingle(openStandard(half, logarithmic), false));
    EXPECT_EQ(notLinear.errors, QStringList({"The frequency sweep is not linear, so no time-domain transform is "
                                             "possible. Measure with a linear sweep"}));

    ReflectExtraction noData(TimeGateReflectProcess);
    QSignalSpy noDataErrors(noData.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(noData.process->run());

    // Parameters loaded from a grid with a gap would be those of an earlier run.
    ReflectExtraction badGrid(TimeGateReflectProcess);
    QSignalSpy badGridErrors(badGrid.process.get(), &IProcessMethod::error);
    SParametersOnePort broken = openStandard(half, grid);
    broken.frequencies()[1] = std::numeric_limits<double>::quiet_NaN();
    badGrid.parameters.setGatingMode(1);
    EXPECT_FALSE(badGrid.runSingle(broken, false));
    EXPECT_EQ(badGrid.parameters.gatingMode(), 1);

    ProcessInputParameters parameters;
    const auto unattached = createProcessMethodByNumber(TimeGateReflectOpenAndShortProcess);
    QSignalSpy unattachedErrors(unattached.get(), &IProcessMethod::error);
    unattached->setInputParameters(&parameters);
    EXPECT_FALSE(unattached->run());

    for (const QSignalSpy* spy : {&noDataErrors, &badGridErrors, &unattachedErrors})
        EXPECT_EQ(textsOf(*spy), QStringList{"Reflection. Invalid input data"});
    EXPECT_FALSE(noData.port.sParameters());
}

TEST(ReflectFailures, PortsWithoutAnalyzerImpedanceAreNotTakenAndStoredSetsFaceTheAnalyzer)
{
    MessageCapture capture;
    const auto process = createProcessMethodByNumber(FilteringReflectProcess);
    auto& reflect = static_cast<ReflectProcess&>(*process);
    FixturePort bare;
    EXPECT_FALSE(reflect.setFixturesForCalculate(nullptr));
    EXPECT_FALSE(reflect.setFixturesForCalculate(&bare));
    EXPECT_EQ(MessageCapture::lines().count("ReflectProcess::setFixturesForCalculate: not enough parameters"), 2);

    ReflectExtraction run(TimeGateReflectProcess);
    ASSERT_TRUE(run.runSingle(openStandard(half, lowPassGrid(25e6, 200)), false));
    const SParametersTwoPort facing = *run.port.sParameters();
    ASSERT_TRUE(run.port.mirrorSParameters());
    EXPECT_TRUE(reflect.setFixturesForCalculate(&run.port));
    EXPECT_FALSE(run.port.isMirrored());
    EXPECT_EQ(run.port.sParameters()->s11(), facing.s11());
}

TEST(ReflectFailures, OpenAndShortNeedBothStandards)
{
    const auto grid = lowPassGrid(25e6, 200);
    ReflectExtraction run(TimeGateReflectOpenAndShortProcess);
    QSignalSpy errors(run.process.get(), &IProcessMethod::error);
    SParametersOnePort tooShort = shortStandard(half, grid);
    tooShort.resize(2);
    EXPECT_FALSE(run.runOpenAndShort(openStandard(half, grid), tooShort));
    EXPECT_EQ(textsOf(errors), (QStringList{"Invalid open and short input data", "Reflection. Invalid input data"}));
}

TEST(ReflectFailures, AnUnknownSeparationIsReportedAsANoisySignal)
{
    ReflectExtraction run(FilteringReflectProcess);
    QSignalSpy errors(run.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(run.runSingle(openStandard(half, lowPassGrid(25e6, 200)), false,
                               static_cast<MaxSignalEliminationType>(2)));
    EXPECT_EQ(textsOf(errors), QStringList{noisy});
    EXPECT_TRUE(run.port.impulseResponse().has_value());
    EXPECT_FALSE(run.port.sParameters());
}

TEST(ReflectFailures, AFixtureImpedanceReadBeforeTimeZeroIsRefused)
{
    ReflectExtraction run(TimeGateReflectProcess, Z0ConversionType::System);
    run.parameters.setTestMode(true);
    run.parameters.setNRiseTime(50);
    QSignalSpy errors(run.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(run.runSingle(openStandard(half, lowPassGrid(25e6, 400)), false));
    EXPECT_EQ(textsOf(errors), QStringList{"Invalid fixture impedance. NaN, Inf or 0 value found"});
    EXPECT_FALSE(run.port.stepResponse());
}

// Extraction failures that would otherwise end a run without a word.
TEST(ReflectFailures, EveryFailedExtractionIsReported)
{
    const auto grid = lowPassGrid(25e6, 400);
    ReflectExtraction gate(TimeGateReflectProcess);
    gate.parameters.setTestMode(true);
    gate.parameters.setLowSignalCenterMode(5);
    QSignalSpy gateErrors(gate.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(gate.runSingle(openStandard(half, grid), false, MaxSignalEliminationType::ExponentialFit));
    EXPECT_EQ(textsOf(gateErrors), QStringList{"Process TimeGate: Error gating S11"});

    // Two round trips of a 5.5 ns half do not fit into the time range of the grid.
    ReflectExtraction fit(FilteringReflectProcess);
    QSignalSpy fitErrors(fit.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(fit.runSingle(openStandard(LineCascade({{50.0, 5.5e-9, 0.1}}), lowPassGrid(25e6, 800)), false,
                               MaxSignalEliminationType::TimeGate));
    EXPECT_EQ(textsOf(fitErrors), QStringList{"The filtering method error. The fixture reflections could not be "
                                              "separated. Select a different correction method"});

    ReflectExtraction nan(TimeGateReflectProcess);
    nan.process = std::make_unique<UnusableFixtureReflection>();
    nan.process->setInputParameters(&nan.parameters);
    nan.process->setFixturesForCalculate(&nan.port);
    QSignalSpy nanErrors(nan.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(nan.runSingle(openStandard(half, grid), false));
    EXPECT_EQ(textsOf(nanErrors),
              QStringList{"Invalid calculated data. NaN or Inf value found. Check measured data for validity"});
    for (const ReflectExtraction* run : {&gate, &fit, &nan})
        EXPECT_FALSE(run->port.sParameters());
}

TEST(ReflectFailures, InnerTwoXThruFailuresReachTheUserOnce)
{
    // A 13 ns half makes a 26 ns virtual thru, beyond the filtering method's reach.
    const LineCascade longHalf({{50.0, 13e-9, 0.01}});
    const auto grid = lowPassGrid(10e6, 2000);
    ReflectExtraction tooLong(FilteringReflectOpenAndShortProcess);
    QSignalSpy tooLongErrors(tooLong.process.get(), &IProcessMethod::error);
    EXPECT_FALSE(tooLong.runOpenAndShort(openStandard(longHalf, grid), shortStandard(longHalf, grid)));
    EXPECT_EQ(textsOf(tooLongErrors),
              QStringList{"The filtering method error. Fixture delay is too long. Select a different correction method"});

    // The port tells its own refusal; neither process repeats it, during the run or after.
    ReflectExtraction noTarget(TimeGateReflectOpenAndShortProcess, Z0ConversionType::User);
    EXPECT_FALSE(noTarget.runOpenAndShort(openStandard(half, lowPassGrid(25e6, 400)),
                                          shortStandard(half, lowPassGrid(25e6, 400))));
    EXPECT_EQ(noTarget.errors, QStringList{"Invalid custom impedance value."});
    emit noTarget.port.error("after the run");
    EXPECT_EQ(noTarget.errors.count("after the run"), 1);
}

namespace {

class ReflectCancellation : public testing::TestWithParam<int>
{
};

} // namespace

// The cancel arrives while the impulse stage stores its record; the inner 2x-thru run of
// an open-and-short process must stop there as well.
TEST_P(ReflectCancellation, EndsTheRunAtTheNextCheckWithOnlyTheCancelText)
{
    const auto grid = lowPassGrid(25e6, 400);
    ReflectExtraction run(GetParam());
    QSignalSpy errors(run.process.get(), &IProcessMethod::error);
    QObject::connect(&run.port, &FixturePort::impulseResponseChanged, run.process.get(), &IProcessMethod::cancel,
                     Qt::DirectConnection);
    const bool finished = GetParam() == TimeGateReflectOpenAndShortProcess
        ? run.runOpenAndShort(openStandard(half, grid), shortStandard(half, grid))
        : run.runSingle(openStandard(half, grid), false);
    EXPECT_FALSE(finished);
    EXPECT_EQ(textsOf(errors), QStringList{"The measurement was canceled"});
    EXPECT_TRUE(run.port.impulseResponse().has_value());
    EXPECT_FALSE(run.port.sParameters());

    // The flag does not outlive the run.
    QObject::disconnect(&run.port, &FixturePort::impulseResponseChanged, run.process.get(), &IProcessMethod::cancel);
    EXPECT_TRUE(run.process->run()) << run.errors.join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reflect, ReflectCancellation,
                         testing::Values(TimeGateReflectProcess, FilteringReflectProcess,
                                         TimeGateReflectOpenAndShortProcess));
