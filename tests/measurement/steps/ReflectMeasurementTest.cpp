#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/engine/processes/ThruExtraction.h"
#include "tests/measurement/steps/StepSession.h"

#include <cmath>

using namespace Simulator::Physics;
using MeasureEnums::MeasureStatus;
using Simulator::FixtureWorld;

namespace {

const LineCascade longLine({{50.0, 300e-12, 0.3}});
const LineCascade shortLine({{50.0, 200e-12, 0.2}});

class ReflectMeasurement : public StepSession
{
protected:
    void SetUp() override
    {
        StepSession::SetUp();
        simulator.setFixture(longLine, shortLine, exampleDut());
    }

    const Algorithms::FixturePort& port(const std::shared_ptr<VNAFixtureConnection>& fixture)
    {
        return *fixture->getFixturePort(0)->measureData();
    }
};

} // namespace

TEST_F(ReflectMeasurement, OpenShortAndBothOfAMatchedLineGiveTheLine)
{
    const auto truth = longLine.sParameters(grid());
    for (auto [open, shortStandard] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
        auto step = reflectStep();
        step->setOpenMeasurementEnable(open);
        step->setShortMeasurementEnable(shortStandard);
        if (open) {
            simulator.setWorld(FixtureWorld::Arrangement::Open);
            ASSERT_TRUE(step->measureOpenFromVna());
        }
        if (shortStandard) {
            simulator.setWorld(FixtureWorld::Arrangement::Short);
            ASSERT_TRUE(step->measureShortFromVna());
        }
        drain();
        ASSERT_EQ(step->calculated(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
        const double tolerance = open && shortStandard ? 1e-2 : 2e-3;
        EXPECT_LT(maxDifference(port(left).sParameters()->s11(), truth.s11(), 0.05, 0.9), tolerance);
        EXPECT_LT(maxDifference(port(left).sParameters()->s21(), truth.s21(), 0.05, 0.9), tolerance);
        EXPECT_NEAR(*port(left).fixtureLength(), 300e-12, 2e-12);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// Each standard keeps the grid it was measured on.
TEST_F(ReflectMeasurement, OpenAndShortFromDifferentGridsGiveTheHalfOfOneGrid)
{
    auto step = reflectStep();
    step->setShortMeasurementEnable(true);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(step->measureOpenFromVna());
    simulator.setWorld(FixtureWorld::Arrangement::Short);
    setSweep(GridStep / 2, GridPoints * 2);
    ASSERT_TRUE(refresh());
    ASSERT_TRUE(step->measureShortFromVna());
    drain();
    ASSERT_EQ(step->calculated(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    EXPECT_EQ(port(left).sParameters()->frequencies(), grid());
    const auto truth = longLine.sParameters(grid());
    EXPECT_LT(maxDifference(port(left).sParameters()->s21(), truth.s21(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(port(left).sParameters()->s11(), truth.s11(), 0.05, 0.9), 1e-2);
}

// The thru splits 500 ps into two halves of 250 ps; the opens find 300 ps and 200 ps.
TEST_F(ReflectMeasurement, ReflectOffsetsOfUnequalHalvesAreTheirDifferencesInPicosecondsAndMoveTheThru)
{
    auto step = thruStep(thruConnection());
    ASSERT_NO_FATAL_FAILURE(measureThruAndOpen(*step));
    EXPECT_NEAR(step->leftReflectOffset(), 50.0, 2.0);
    EXPECT_NEAR(step->rightReflectOffset(), -50.0, 2.0);
    EXPECT_NEAR(step->leftReflectOffset() - step->rightReflectOffset(), 100.0, 2.0);

    step->applyReflectOffset(true);
    drain();
    EXPECT_TRUE(step->appliedReflectsOffset());
    EXPECT_NEAR(*port(left).fixtureLength(), 300e-12, 2e-12);
    EXPECT_NEAR(*port(right).fixtureLength(), 200e-12, 2e-12);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    // With both standards asked for, an open alone is stored and nothing is calculated.
    step->setShortMeasurementEnable(true);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(step->reflectCalculated(), MeasureStatus::NONE);
    EXPECT_EQ(step->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(progressTexts().last(), "Finished");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(ReflectMeasurement, AReflectBeforeTheThruLeavesTheThruAloneAndNeverUsesAThruThatWasDeleted)
{
    auto step = thruStep(thruConnection());
    step->setOpenMeasurementEnable(true);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(step->reflectCalculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(errors, QStringList{"Fixture is not measured"});

    // A user offset on a measured thru is undone with its flag by the next standard.
    errors.clear();
    simulator.setWorld(FixtureWorld::Arrangement::Thru);
    ASSERT_TRUE(step->measureFromVna());
    step->setLeftOffset(20.0);
    step->applyThruOffset(true);
    drain();
    ASSERT_TRUE(step->appliedFixtureOffset());
    EXPECT_NEAR(*port(left).fixtureLength(), 270e-12, 2e-12);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_FALSE(step->appliedFixtureOffset());
    EXPECT_NEAR(*port(left).fixtureLength(), 250e-12, 2e-12);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    step->deleteData();
    drain();
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::NONE);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{"Fixture is not measured"});
    EXPECT_EQ(step->leftReflectOffset(), 0.0);
    EXPECT_EQ(step->rightReflectOffset(), 0.0);
}

// An offset a port refuses leaves every port and the entered offsets as they were
// last applied, also on the thru's halves before the refusing one.
TEST_F(ReflectMeasurement, ARefusedOffsetLeavesThePortsAndTheEnteredOffsetsAsLastApplied)
{
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    thru->setLeftOffset(20.0);
    thru->applyThruOffset(true);
    drain();
    ASSERT_TRUE(thru->appliedFixtureOffset());
    ASSERT_NEAR(*port(left).fixtureLength(), 270e-12, 2e-12);
    // The left half takes 40 ps; the right half cannot lose 2 ns.
    thru->setLeftOffset(40.0);
    thru->setRightOffset(-2000.0);
    thru->applyThruOffset(true);
    drain();
    EXPECT_TRUE(thru->appliedFixtureOffset());
    EXPECT_NEAR(*port(left).fixtureLength(), 270e-12, 2e-12);
    EXPECT_NEAR(*port(right).fixtureLength(), 250e-12, 2e-12);
    EXPECT_EQ(thru->leftOffset(), 20.0);
    EXPECT_EQ(thru->rightOffset(), 0.0);
    steps.clear();
    drain();

    std::shared_ptr<ReflectionStep> reflect;
    ASSERT_NO_FATAL_FAILURE(measureOpenReflect(reflect));
    reflect->setOffset(10.0);
    reflect->applyOffset(true);
    drain();
    ASSERT_TRUE(reflect->appliedFixtureOffset());
    const std::optional<double> applied = port(left).fixtureLength();
    reflect->setOffset(-2000.0);
    reflect->applyOffset(true);
    drain();
    EXPECT_TRUE(reflect->appliedFixtureOffset());
    EXPECT_EQ(port(left).fixtureLength(), applied);
    EXPECT_EQ(reflect->offset(), 10.0);
}

// Offsets queued one behind the other are each judged when they run: an accepted one
// followed by a refused one leaves the ports, their lengths, the entered offsets and
// the flag at the accepted one, and the refused one changes no port even for a moment.
TEST_F(ReflectMeasurement, AnOffsetRefusedBehindAnAcceptedOneLeavesTheAcceptedOne)
{
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    const double leftHalf = *port(left).fixtureLength();
    const double rightHalf = *port(right).fixtureLength();
    thru->setLeftOffset(10.0);
    thru->applyThruOffset(true);
    drain();
    ASSERT_NEAR(*port(left).fixtureLength(), leftHalf + 10e-12, 1e-15);
    QSignalSpy leftChanges(left->getFixturePort(0)->measureData(), &Algorithms::FixturePort::lenghtFixtureChanged);
    thru->setLeftOffset(20.0);
    thru->applyThruOffset(true);
    // The left half would take 40 ps; the right half cannot lose 2 ns.
    thru->setLeftOffset(40.0);
    thru->setRightOffset(-2000.0);
    thru->applyThruOffset(true);
    drain();
    EXPECT_NEAR(*port(left).fixtureLength(), leftHalf + 20e-12, 1e-15);
    EXPECT_NEAR(*port(right).fixtureLength(), rightHalf, 1e-15);
    EXPECT_EQ(leftChanges.count(), 1);
    EXPECT_TRUE(thru->appliedFixtureOffset());
    EXPECT_EQ(thru->leftOffset(), 20.0);
    EXPECT_EQ(thru->rightOffset(), 0.0);
    steps.clear();
    drain();

    std::shared_ptr<ReflectionStep> reflect;
    ASSERT_NO_FATAL_FAILURE(measureOpenReflect(reflect));
    const double measured = *port(left).fixtureLength();
    reflect->setOffset(10.0);
    reflect->applyOffset(true);
    drain();
    reflect->setOffset(20.0);
    reflect->applyOffset(true);
    reflect->setOffset(-2000.0);
    reflect->applyOffset(true);
    drain();
    EXPECT_NEAR(*port(left).fixtureLength(), measured + 20e-12, 1e-15);
    EXPECT_TRUE(reflect->appliedFixtureOffset());
    EXPECT_EQ(reflect->offset(), 20.0);
}

// A cancel while the analyzer sweeps for a standard is told as a cancel: a standard
// not read before stays "not measured", one read before keeps its reading and the
// fixture calculated from it. A calculation cut short leaves nothing calculated.
TEST_F(ReflectMeasurement, ACancelledStandardIsNoErrorAndKeepsWhatWasCompleteBeforeIt)
{
    auto step = reflectStep();
    QSignalSpy cancelled(step.get(), &Step::cancelled);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    cancelDuringTheNextSweep(*step);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(step->openMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(step->calculated(), MeasureStatus::NONE);
    EXPECT_EQ(progressTexts().last(), "Read s-data (cancelled)");

    simulator.setSweepTimeMs(0);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    ASSERT_EQ(step->calculated(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const std::optional<double> length = port(left).fixtureLength();
    ASSERT_TRUE(length);

    cancelDuringTheNextSweep(*step);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(cancelled.count(), 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(step->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(step->calculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(port(left).fixtureLength(), length);

    // A cancel while its process runs leaves the earlier standard and calculation whole.
    simulator.setSweepTimeMs(0);
    const QMetaObject::Connection whileCalculating = QObject::connect(
        &params, &Algorithms::ProcessInputParameters::sigTimeMinChanged, step.get(),
        [step = step.get()] { step->interrupt(); }, Qt::DirectConnection);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    QObject::disconnect(whileCalculating);
    EXPECT_EQ(cancelled.count(), 3);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(step->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(step->calculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(port(left).fixtureLength(), length);
}

// On a 2x-thru the cancel ends the measurement of both sides: the right side is not
// read after the left one was cancelled, and both keep their open, calculation and offsets.
TEST_F(ReflectMeasurement, AThrusOpenCancelledDuringTheSweepReadsNoFurtherSide)
{
    auto step = thruStep(thruConnection());
    ASSERT_NO_FATAL_FAILURE(measureThruAndOpen(*step));
    const double leftOffset = step->leftReflectOffset();

    QSignalSpy cancelled(step.get(), &Step::cancelled);
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    cancelDuringTheNextSweep(*step);
    ASSERT_TRUE(step->measureOpenFromVna());
    drain();
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(sweeps.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(step->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(step->reflectCalculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(step->leftReflectOffset(), leftOffset);
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
}

// A standard measured again on the same data gives the same reflect offsets whether the
// halves carried a thru offset, the reflect offsets or none when it was measured: the
// offsets move the thru from its own plane. Switched on, the reflect offsets stay in force.
TEST_F(ReflectMeasurement, AStandardMeasuredAgainGivesTheSameReflectOffsetsWhateverOffsetWasInForce)
{
    auto step = thruStep(thruConnection());
    ASSERT_NO_FATAL_FAILURE(measureThruAndOpen(*step));
    const double leftHalf = *port(left).defaultLength();
    const double rightHalf = *port(right).defaultLength();

    const auto measureAgain = [&](ReflectionMeasurer::Standard standard) {
        simulator.setWorld(standard == ReflectionMeasurer::Standard::Open ? FixtureWorld::Arrangement::Open
                                                                          : FixtureWorld::Arrangement::Short);
        ASSERT_TRUE(standard == ReflectionMeasurer::Standard::Open ? step->measureOpenFromVna()
                                                                   : step->measureShortFromVna());
        drain();
        ASSERT_EQ(step->reflectCalculated(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    };
    const auto expectOffsets = [&](std::pair<double, double> expected, const char* inForce) {
        EXPECT_NEAR(step->leftReflectOffset(), expected.first, 0.01) << inForce;
        EXPECT_NEAR(step->rightReflectOffset(), expected.second, 0.01) << inForce;
    };
    const auto expectHalvesMovedBy = [&](std::pair<double, double> offsets, const char* inForce) {
        EXPECT_NEAR(*port(left).fixtureLength(), leftHalf + offsets.first * 1e-12, 1e-17) << inForce;
        EXPECT_NEAR(*port(right).fixtureLength(), rightHalf + offsets.second * 1e-12, 1e-17) << inForce;
    };

    for (const auto standard : {ReflectionMeasurer::Standard::Open, ReflectionMeasurer::Standard::Short}) {
        if (standard == ReflectionMeasurer::Standard::Short) {
            // The open alone of both standards calculates nothing: switched on, no offsets
            // are in force until the short is there, and the switch can be turned off meanwhile.
            step->applyReflectOffset(true);
            step->setShortMeasurementEnable(true);
            simulator.setWorld(FixtureWorld::Arrangement::Open);
            ASSERT_TRUE(step->measureOpenFromVna());
            drain();
            ASSERT_EQ(step->reflectCalculated(), MeasureStatus::NONE);
            EXPECT_TRUE(step->appliedReflectsOffset());
            expectOffsets({0.0, 0.0}, "open alone");
            expectHalvesMovedBy({0.0, 0.0}, "open alone");
            step->applyReflectOffset(false);
            drain();
            EXPECT_FALSE(step->appliedReflectsOffset());
            ASSERT_NO_FATAL_FAILURE(measureAgain(standard));
        }
        const std::pair expected{step->leftReflectOffset(), step->rightReflectOffset()};
        ASSERT_GT(std::abs(expected.first), 20.0);

        // The reflect offsets in force, twice in a row: they stay switched on and applied.
        step->applyReflectOffset(true);
        drain();
        ASSERT_TRUE(step->appliedReflectsOffset());
        for (int time = 0; time < 2; ++time) {
            ASSERT_NO_FATAL_FAILURE(measureAgain(standard));
            expectOffsets(expected, "reflect offsets");
            EXPECT_TRUE(step->appliedReflectsOffset());
            expectHalvesMovedBy(expected, "reflect offsets");
        }

        // A thru offset in force is taken out with its flag.
        step->setLeftOffset(100.0);
        step->setRightOffset(100.0);
        step->applyThruOffset(true);
        drain();
        ASSERT_TRUE(step->appliedFixtureOffset());
        ASSERT_NO_FATAL_FAILURE(measureAgain(standard));
        expectOffsets(expected, "thru offset");
        EXPECT_FALSE(step->appliedFixtureOffset());
        EXPECT_FALSE(step->appliedReflectsOffset());
        expectHalvesMovedBy({0.0, 0.0}, "thru offset");

        ASSERT_NO_FATAL_FAILURE(measureAgain(standard));
        expectOffsets(expected, "none");
        expectHalvesMovedBy({0.0, 0.0}, "none");
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}
