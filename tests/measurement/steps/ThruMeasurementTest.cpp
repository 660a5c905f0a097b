#include "analyzer/files/TouchstoneIO.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/Standards.h"
#include "tests/engine/processes/ThruExtraction.h"
#include "tests/measurement/steps/StepSession.h"

#include <cmath>

using namespace Simulator::Physics;
using Algorithms::CalcMethod;

namespace {

// A symmetric fixture half with impedance steps, described from its analyzer side.
const LineCascade steppedHalf({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});

const Algorithms::SParametersTwoPort& halfOf(const std::shared_ptr<VNAFixtureConnection>& fixture)
{
    return *fixture->getFixturePort(0)->measureData()->sParameters();
}

class ThruMeasurement : public StepSession, public testing::WithParamInterface<CalcMethod>
{
protected:
    std::shared_ptr<TransmissionStep> thruStep(CalcMethod method)
    {
        auto step = keep(makeLaterDeleted<TransmissionStep>(thruConnection(), left, right, device.get(), &worker,
                                                            &progress));
        step->setCalcMethod(method);
        step->setConversionT(Algorithms::Z0ConversionType::None);
        return step;
    }

    // Where each marker line first appears in the wire log, or -1.
    static int firstLine(const QStringList& lines, const QString& start)
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith(start))
                return i;
        }
        return -1;
    }
};

std::string methodName(const testing::TestParamInfo<CalcMethod>& info)
{
    const char* names[] = {"TimeGating", "Filtering", "Bisection"};
    return names[static_cast<int>(info.param)];
}

} // namespace

TEST_P(ThruMeasurement, FromTheAnalyzerDeembedsTheThruToAnIdealOneAndLeavesTheAnalyzerAsItWas)
{
    const Simulator::ChannelSettings before = simulator.model().channel(1);
    auto step = thruStep(GetParam());
    ASSERT_TRUE(step->measureFromVna());
    drain();

    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid());
    const auto& leftPort = *left->getFixturePort(0)->measureData();
    const auto& rightPort = *right->getFixturePort(0)->measureData();
    for (std::size_t i = 0; i < grid().size(); ++i) {
        const auto inner = deembedAt(thru, leftPort, rightPort, i);
        ASSERT_NEAR(20.0 * std::log10(std::abs(inner(1, 0))), 0.0, 0.1) << grid()[i];
        ASSERT_NEAR(std::arg(inner(1, 0)) * 180.0 / M_PI, 0.0, 1.0) << grid()[i];
        ASSERT_LT(20.0 * std::log10(std::abs(inner(0, 0))), -40.0) << grid()[i];
        ASSERT_LT(20.0 * std::log10(std::abs(inner(1, 1))), -40.0) << grid()[i];
    }
    EXPECT_EQ(left->getFixturePort(0)->measuredPort(), 0u);
    EXPECT_EQ(right->getFixturePort(0)->measuredPort(), 1u);
    EXPECT_EQ(static_cast<ConnectionTransmisson*>(step->connection())->processes().all().size(), 1u);

    const Simulator::ChannelSettings after = simulator.model().channel(1);
    EXPECT_EQ(after.startFrequency, before.startFrequency);
    EXPECT_EQ(after.stopFrequency, before.stopFrequency);
    EXPECT_EQ(after.points, before.points);
    EXPECT_EQ(after.ifBandwidth, before.ifBandwidth);
    EXPECT_EQ(after.power, before.power);
    EXPECT_EQ(after.traces.size(), before.traces.size());

    const QStringList lines = allLines();
    const int save = firstLine(lines, "MMEMory:STORe:STATe");
    const int preset = firstLine(lines, "SYSTem:PRESet");
    const int sweep = firstLine(lines, "INITiate1:IMMediate");
    const int restore = firstLine(lines, "MMEMory:LOAD ");
    EXPECT_GE(save, 0);
    EXPECT_LT(save, preset);
    EXPECT_LT(preset, sweep);
    EXPECT_LT(sweep, restore);
    EXPECT_EQ(progressTexts(), QStringList{"Finished"});
}

using ThruPortNames = ThruMeasurement;

TEST_F(ThruPortNames, RowsNameTheirCablingUntilMeasuredThenTheMeasuredPortsUntilTheDataIsDeleted)
{
    // The halves swapped on the analyzer's ports.
    left->setAttachedVnaPort(0, 1);
    right->setAttachedVnaPort(0, 0);
    const MeasuredFixturePort& leftRow = *left->getFixturePort(0);
    const MeasuredFixturePort& rightRow = *right->getFixturePort(0);
    EXPECT_EQ(leftRow.measuredPort(), 1u);
    EXPECT_EQ(rightRow.measuredPort(), 0u);

    auto step = thruStep(CalcMethod::TimeGating);
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    // Cabled back: the results are still those of the swapped ports.
    left->setAttachedVnaPort(0, 0);
    right->setAttachedVnaPort(0, 1);
    EXPECT_EQ(leftRow.measuredPort(), 1u);
    EXPECT_EQ(rightRow.measuredPort(), 0u);

    step->deleteData();
    drain();
    EXPECT_EQ(leftRow.measuredPort(), 0u);
    EXPECT_EQ(rightRow.measuredPort(), 1u);
}

// The methods that separate the halves by their reflections (bisection only splits the thru).
class SeparatingThru : public ThruMeasurement
{
};

TEST_P(SeparatingThru, SymmetricSteppedHalvesMatchTheTruth)
{
    simulator.setFixture(steppedHalf, steppedHalf, exampleDut());
    auto step = thruStep(GetParam());
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();

    const auto leftTruth = steppedHalf.sParameters(grid());
    const auto rightTruth = steppedHalf.reversed().sParameters(grid());
    EXPECT_LT(maxDifference(halfOf(left).s11(), leftTruth.s11(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(halfOf(left).s21(), leftTruth.s21(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(halfOf(right).s22(), rightTruth.s22(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(halfOf(right).s21(), rightTruth.s21(), 0.05, 0.9), 1e-2);
    EXPECT_NEAR(*left->getFixturePort(0)->measureData()->fixtureLength(), steppedHalf.totalDelay(), 2e-12);
}

TEST_P(ThruMeasurement, FromAFileGivesTheHalvesOfTheSameWorldOnTheAnalyzerAndLeavesTheAnalyzerAlone)
{
    const QString path = dir.filePath("thru.s2p");
    TouchstoneData data;
    data.unit = TouchstoneData::HZ;
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid());
    for (std::size_t i = 0; i < grid().size(); ++i)
        data.records.push_back({grid()[i], {thru.s11()[i], thru.s12()[i], thru.s21()[i], thru.s22()[i]}, 2});
    ASSERT_TRUE(TouchstoneIO().write(path, data));
    ASSERT_TRUE(simulator.setTouchstoneWorld(path));

    auto step = thruStep(GetParam());
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto fromAnalyzerLeft = halfOf(left);
    const auto fromAnalyzerRight = halfOf(right);

    simulator.clearLog();
    step->measureFromTouchstoneFile(path);
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    EXPECT_LT(maxDifference(halfOf(left).s11(), fromAnalyzerLeft.s11()), 1e-12);
    EXPECT_LT(maxDifference(halfOf(left).s21(), fromAnalyzerLeft.s21()), 1e-12);
    EXPECT_LT(maxDifference(halfOf(right).s22(), fromAnalyzerRight.s22()), 1e-12);
    EXPECT_LT(maxDifference(halfOf(right).s12(), fromAnalyzerRight.s12()), 1e-12);

    // The pre-measure commands are for sweeps: nothing would restore them after a file.
    EXPECT_EQ(commandsReceived(), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Thru, ThruMeasurement,
                         testing::Values(CalcMethod::TimeGating, CalcMethod::Filtering, CalcMethod::Bisect),
                         methodName);
INSTANTIATE_TEST_SUITE_P(Thru, SeparatingThru, testing::Values(CalcMethod::TimeGating, CalcMethod::Filtering),
                         methodName);
