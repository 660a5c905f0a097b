#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/Standards.h"
#include "tests/engine/processes/ThruExtraction.h"
#include "tests/measurement/steps/StepSession.h"

#include <functional>

using namespace Simulator::Physics;
using MeasureEnums::MeasureStatus;
using Simulator::FixtureWorld;

namespace {

// The gate ends at the junction; the DUT's steps lie 300 ps and more beyond it.
const LineCascade lossyHalf({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.05}, {58.0, 100e-12, 0.05}, {50.0, 150e-12, 0.05}});
// Another DUT, so that a side that took a new reading would show it.
const LineCascade otherDut({{50.0, 300e-12, 0.02}, {25.0, 60e-12, 0.05}});
const LineCascade ledDut({{50.0, 300e-12, 0.02}, {30.0, 40e-12, 0.05}, {70.0, 40e-12, 0.05}, {50.0, 300e-12, 0.02}});

// The records of a readable 2-port file of three points, for a head line of the test's.
const QByteArray threeRecords("1 0.1 0 0.9 0 0.9 0 0.1 0\n2 0.1 0 0.9 0 0.9 0 0.1 0\n3 0.1 0 0.9 0 0.9 0 0.1 0\n");

class DutMeasurement : public StepSession
{
protected:
    // The lossy halves' thru measured, and the DUT step of both halves on it.
    void measureThruAndMakeDut(std::shared_ptr<TransmissionStep>& thru, std::shared_ptr<DutStep>& dut)
    {
        simulator.setFixture(lossyHalf, lossyHalf, ledDut);
        const auto connection = thruConnection();
        thru = thruStep(connection);
        ASSERT_TRUE(thru->measureFromVna());
        dut = keep(makeLaterDeleted<DutStep>(connection, std::vector<std::shared_ptr<ConnectionBase>>{connection},
                                             std::vector{left, right}, device.get(), &worker, &progress));
    }

    // As above, with the DUT measured on both sides.
    void measureThruAndDut(std::shared_ptr<TransmissionStep>& thru, std::shared_ptr<DutStep>& dut)
    {
        ASSERT_NO_FATAL_FAILURE(measureThruAndMakeDut(thru, dut));
        simulator.setWorld(FixtureWorld::Arrangement::Dut);
        ASSERT_TRUE(dut->measureFromVna());
        drain();
        ASSERT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    }

    // What a measured DUT pair shows: each side's raw reading and the regated halves.
    struct ShownDut
    {
        std::vector<std::vector<std::complex<double>>> raw;
        std::vector<std::complex<double>> leftRegated;
        std::vector<std::complex<double>> rightRegated;
    };

    ShownDut shownDut(const DutStep& dut) const
    {
        ShownDut shown;
        for (const DutMeasurer* measurer : dut.measurers())
            shown.raw.push_back(measurer->rawData().value(0).s11());
        shown.leftRegated = left->getFixturePort(0)->measureData()->sParameters()->s11();
        shown.rightRegated = right->getFixturePort(0)->measureData()->sParameters()->s22();
        return shown;
    }

    // Both sides still measured and showing the earlier DUT.
    void expectEarlierDutKept(const DutStep& dut, const ShownDut& earlier) const
    {
        for (const DutMeasurer* measurer : dut.measurers())
            EXPECT_EQ(measurer->status(), BaseMeasurer::Measured);
        const ShownDut now = shownDut(dut);
        EXPECT_EQ(now.raw, earlier.raw);
        EXPECT_EQ(now.leftRegated, earlier.leftRegated);
        EXPECT_EQ(now.rightRegated, earlier.rightRegated);
        EXPECT_EQ(dut.measureStatus(), MeasureStatus::MEASURED);
    }
};

} // namespace

TEST_F(DutMeasurement, BothSidesOfOneThruAreRegatedTogetherCloseToTheTruth)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndMakeDut(thru, dut));
    EXPECT_EQ(dut->measureType(), MeasureEnums::MeasureType::TRANSMISSION);
    simulator.setWorld(FixtureWorld::Arrangement::Dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();

    ASSERT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto& leftPort = *left->getFixturePort(0)->measureData();
    const auto& rightPort = *right->getFixturePort(0)->measureData();
    EXPECT_EQ(leftPort.currentSParametersKind(), Algorithms::FixturePort::DutLowPassKind);
    EXPECT_EQ(rightPort.currentSParametersKind(), Algorithms::FixturePort::DutLowPassKind);
    EXPECT_TRUE(leftPort.calibrationState().testFlag(QmlFixturePort::DutCorrected));
    EXPECT_TRUE(rightPort.calibrationState().testFlag(QmlFixturePort::DutCorrected));
    const auto truth = lossyHalf.sParameters(grid());
    EXPECT_LT(maxDifference(leftPort.sParameters()->s11(), truth.s11(), 0.05, 0.9), 1.5e-2);
    EXPECT_LT(maxDifference(rightPort.sParameters()->s22(), truth.s11(), 0.05, 0.9), 1.5e-2);
    for (DutMeasurer* measurer : dut->measurers())
        EXPECT_EQ(measurer->rawData().size(), 1);
    EXPECT_EQ(progressTexts().last(), "Finished");

    // Taking the thru's halves back as computed undoes the re-gating, and the step says so.
    QSignalSpy statusChanges(dut.get(), &Step::isMeasuredChanged);
    thru->applyThruOffset(false);
    drain();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::NONE);
    EXPECT_GT(statusChanges.count(), 0);
}

TEST_F(DutMeasurement, FailedSaveCancelsAtItsFirstTextAndLeavesTheStatus)
{
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    ASSERT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED);
    QSignalSpy statusChanges(thru.get(), &TransmissionStep::thruMeasuredChanged);

    simulator.setReady(false);
    EXPECT_FALSE(thru->measureFromVna());
    drain();
    EXPECT_EQ(progressTexts().last(), "Save device state (cancelled)");
    EXPECT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(statusChanges.count(), 0);
}

TEST_F(DutMeasurement, OffsetsBeforeAMeasurementDoNothing)
{
    auto thru = thruStep(thruConnection());
    auto reflect = keep(makeLaterDeleted<ReflectionStep>(makeLaterDeleted<ConnectionReflect>(left.get(), &params), left,
                                                         device.get(), &worker, &progress));
    thru->applyThruOffset(true);
    thru->applyReflectOffset(true);
    reflect->applyOffset(true);
    drain();
    EXPECT_TRUE(progressTexts().isEmpty());
    EXPECT_FALSE(thru->appliedFixtureOffset());
    EXPECT_FALSE(reflect->appliedFixtureOffset());
    EXPECT_TRUE(allLines().isEmpty());
}

// Every refusal names its cause and fails its task; one before anything is read leaves the
// status as it was, one of the calculation shows the error status.
TEST_F(DutMeasurement, ConfigurationsThatCannotBeMeasuredAreRefusedWithAText)
{
    auto thru = thruStep(thruConnection());
    right->setAttachedVnaPort(0, 0);
    EXPECT_TRUE(thru->measureFromVna());
    drain();
    EXPECT_EQ(thru->thruMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(errors, QStringList{"Port 1 is cabled to more than one fixture port"});
    EXPECT_EQ(progressTexts().last(), "Check configuration (cancelled)");

    errors.clear();
    right->setAttachedVnaPort(0, 1);
    fixtureB.setPortsCount(2);
    auto mismatched = thruStep(thruConnection());
    mismatched->measureFromTouchstoneFile(QStringLiteral(NOLT_TESTDATA_DIR "/touchstone/ex_13.s2p"));
    drain();
    EXPECT_EQ(mismatched->thruMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(errors, QStringList{"The two fixtures of the 2x-thru have different port counts (1 and 2)"});
    EXPECT_EQ(progressTexts().last(), "Check configuration (cancelled)");

    errors.clear();
    fixtureB.setPortsCount(1);
    mismatched->measureFromTouchstoneFile(QStringLiteral(NOLT_TESTDATA_DIR "/touchstone/hfss_oneport.s1p"));
    drain();
    EXPECT_EQ(errors,
              QStringList{"The file hfss_oneport.s1p holds 1-port data, but the step measures analyzer port 2"});

    // The reader gives an R it cannot use as 0 ohm, which no port is referenced to.
    errors.clear();
    mismatched->measureFromTouchstoneFile(writeFile("thru.s2p", "# GHz S RI R 5000\n" + threeRecords));
    drain();
    EXPECT_EQ(mismatched->thruMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(errors,
              QStringList{"The file thru.s2p names no usable reference impedance (R from 0.001 to 1000 ohm)"});
    EXPECT_EQ(progressTexts().last(), "Read file (cancelled)");

    errors.clear();
    auto reflect = keep(makeLaterDeleted<ReflectionStep>(makeLaterDeleted<ConnectionReflect>(left.get(), &params), left,
                                                         device.get(), &worker, &progress));
    reflect->setCalcMethod(Algorithms::CalcMethod::Bisect);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(reflect->measureOpenFromVna());
    drain();
    EXPECT_EQ(reflect->calculated(), MeasureStatus::NONE);
    EXPECT_EQ(reflect->openMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(progressTexts().last().endsWith("(cancelled)"));
}

// An engine that refuses without a word (here for want of the parameters it runs with) still
// leaves the user a reason: the task fails, and what was measured before stays.
TEST_F(DutMeasurement, ACalculationRefusedWithoutATextIsToldInGeneralWords)
{
    const QString general = "The measurement could not be calculated, so nothing was changed. Check the measured "
                            "data and repeat the measurement";
    auto thru = thruStep(thruConnection());
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    ASSERT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto halfBefore = left->getFixturePort(0)->measureData()->sParameters().value().s21();

    auto bare = thruStep(makeLaterDeleted<ConnectionTransmisson>(left.get(), right.get(), nullptr));
    ASSERT_TRUE(bare->measureFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{general});
    EXPECT_EQ(progressTexts().last(), "Execute algorithm (cancelled)");
    EXPECT_EQ(bare->thruMeasured(), MeasureStatus::NONE);
    EXPECT_EQ(left->getFixturePort(0)->measureData()->sParameters().value().s21(), halfBefore);

    errors.clear();
    auto reflect = keep(makeLaterDeleted<ReflectionStep>(makeLaterDeleted<ConnectionReflect>(left.get(), nullptr),
                                                         left, device.get(), &worker, &progress));
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(reflect->measureOpenFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{general});
    EXPECT_EQ(progressTexts().last(), "Calculate (cancelled)");
    EXPECT_EQ(reflect->calculated(), MeasureStatus::NONE);
    EXPECT_EQ(left->getFixturePort(0)->measureData()->sParameters().value().s21(), halfBefore);
}

// The processes of a measurement write the ports they were measured with; a port removed
// and added again since is another port, which only a new measurement may fill.
TEST_F(DutMeasurement, APortRemovedAndAddedAgainSinceTheFixtureWasMeasuredIsRefused)
{
    fixtureA.setPortsCount(2);
    const auto connection = makeLaterDeleted<ConnectionReflect>(left.get(), &params);
    auto reflect = keep(makeLaterDeleted<ReflectionStep>(connection, left, device.get(), &worker, &progress));
    reflect->setConversionT(Algorithms::Z0ConversionType::None);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(reflect->measureOpenFromVna());
    drain();
    ASSERT_EQ(reflect->calculated(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();

    fixtureA.setPortsCount(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fixtureA.setPortsCount(2);
    auto dut = keep(makeLaterDeleted<DutStep>(connection, std::vector<std::shared_ptr<ConnectionBase>>{connection},
                                              std::vector{left}, device.get(), &worker, &progress));
    simulator.setWorld(FixtureWorld::Arrangement::Dut);
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    EXPECT_FALSE(dut->measureFromVna());
    drain();
    EXPECT_EQ(sweeps.count(), 0);
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::NONE);
    EXPECT_EQ(errors, QStringList{"The fixture changed since it was characterised: measure it again"});
    EXPECT_EQ(progressTexts().last(), "Check data (cancelled)");
    EXPECT_FALSE(left->getFixturePort(1)->measureData()->isMeasured());
}

// A fixture whose characterisation was never measured or was deleted is refused before any
// sweep, with a hint that names the step to measure first.
TEST_F(DutMeasurement, ADutBeforeItsFixtureIsCharacterisedSaysWhichStepToMeasureFirst)
{
    const auto thruLink = thruConnection();
    auto thru = thruStep(thruLink);
    const auto reflectLink = makeLaterDeleted<ConnectionReflect>(left.get(), &params);
    keep(makeLaterDeleted<ReflectionStep>(reflectLink, left, device.get(), &worker, &progress));
    const QString thruHint = "The fixture is not characterised yet: measure its 2xThrough step first";
    const QString reflectHint = "The fixture is not characterised yet: measure its reflection step first";
    auto dutOf = [&](const std::shared_ptr<ConnectionBase>& link) {
        const auto fixtures = link == thruLink ? std::vector{left, right} : std::vector{left};
        return keep(makeLaterDeleted<DutStep>(link, std::vector<std::shared_ptr<ConnectionBase>>{link}, fixtures,
                                              device.get(), &worker, &progress));
    };
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    auto refusalOf = [&](const std::function<void()>& measure) {
        errors.clear();
        measure();
        drain();
        EXPECT_EQ(sweeps.count(), 0);
        EXPECT_EQ(progressTexts().last(), "Check data (cancelled)");
        return errors;
    };
    auto dutOfThru = dutOf(thruLink);
    auto dutOfReflect = dutOf(reflectLink);
    EXPECT_EQ(refusalOf([&] { EXPECT_FALSE(dutOfThru->measureFromVna()); }), QStringList{thruHint});
    EXPECT_EQ(refusalOf([&] { EXPECT_FALSE(dutOfReflect->measureFromVna()); }), QStringList{reflectHint});

    ASSERT_TRUE(thru->measureFromVna());
    drain();
    ASSERT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    thru->deleteData();
    drain();
    sweeps.clear();
    const QString dutFile = writeFile("dut.s2p", "# GHz S RI R 50\n" + threeRecords);
    EXPECT_EQ(refusalOf([&] { EXPECT_FALSE(dutOfThru->measureFromVna()); }), QStringList{thruHint});
    EXPECT_EQ(refusalOf([&] { dutOfThru->measureFromTouchstoneFile(dutFile); }), QStringList{thruHint});
    EXPECT_EQ(dutOfThru->measureStatus(), MeasureStatus::NONE);
}

// An interrupt that reaches the first pair's run (from the GUI thread, here from the
// run itself) stops the thru there: the second pair is never started, the stop is a
// cancel, not an error, and nothing of the new thru takes the place of the earlier one.
TEST_F(DutMeasurement, AnInterruptDuringTheFirstPairEndsTheThru)
{
    ASSERT_NO_FATAL_FAILURE(useFourPortAnalyzer());
    right->setAttachedVnaPort(0, 2);
    right->setAttachedVnaPort(1, 3);
    const auto connection = thruConnection();
    auto thru = thruStep(connection);
    // The processes write their parameters back as each run starts.
    QObject::connect(&params, &Algorithms::ProcessInputParameters::sigRiseTimeChanged, thru.get(),
                     [step = thru.get()] { step->interrupt(); }, Qt::DirectConnection);
    QSignalSpy cancelled(thru.get(), &Step::cancelled);
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    EXPECT_EQ(thru->thruMeasured(), MeasureStatus::NONE);
    EXPECT_TRUE(thru->thruMeasurer()->rawData().empty());
    EXPECT_TRUE(connection->processes().all().empty());
    EXPECT_EQ(progressTexts().last(), "Execute algorithm (cancelled)");
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// A cancel while the analyzer sweeps for the DUT again is told as a cancel: the
// other side is not read, and the DUT measured before stays. A reading that fails
// without a cancel is still an error.
TEST_F(DutMeasurement, ADutMeasurementCancelledDuringTheSweepKeepsTheEarlierOne)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    const std::vector<std::complex<double>> regated = left->getFixturePort(0)->measureData()->sParameters()->s11();

    QSignalSpy cancelled(dut.get(), &Step::cancelled);
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    cancelDuringTheNextSweep(*dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(sweeps.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(progressTexts().last(), "Read s-data (cancelled)");
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED);
    EXPECT_EQ(left->getFixturePort(0)->measureData()->sParameters()->s11(), regated);
    for (DutMeasurer* measurer : dut->measurers())
        EXPECT_EQ(measurer->rawData().size(), 1);

    dut->measureFromTouchstoneFile(QStringLiteral("missing.s2p"));
    drain();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED);
    EXPECT_EQ(errors, QStringList{"Cannot read the file missing.s2p"});
    EXPECT_EQ(cancelled.count(), 1);
}

// Both sides of a thru are one measurement: a cancel while the analyzer sweeps for the
// right side keeps the earlier DUT on both, as the ports still show it.
TEST_F(DutMeasurement, ADutPairCancelledDuringTheRightSweepKeepsBothEarlierSides)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    const ShownDut earlier = shownDut(*dut);

    simulator.setFixture(lossyHalf, lossyHalf, otherDut);
    QSignalSpy cancelled(dut.get(), &Step::cancelled);
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    cancelDuringTheNextSweep(*dut, 2);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    EXPECT_EQ(sweeps.count(), 2);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(progressTexts().last(), "Read s-data (cancelled)");
    expectEarlierDutKept(*dut, earlier);
    EXPECT_EQ(left->getFixturePort(0)->measureData()->currentSParametersKind(),
              Algorithms::FixturePort::DutLowPassKind);
    EXPECT_EQ(right->getFixturePort(0)->measureData()->currentSParametersKind(),
              Algorithms::FixturePort::DutLowPassKind);
}

// Both sides are one measurement also when the right side's reading fails: neither takes
// the new reading, both keep the earlier DUT and its raw data, and the failure is told.
TEST_F(DutMeasurement, ADutPairWhoseRightReadingFailsKeepsBothEarlierSides)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    const ShownDut earlier = shownDut(*dut);

    simulator.setFixture(lossyHalf, lossyHalf, otherDut);
    // The right side's reading follows the second sweep.
    auto sweeps = std::make_shared<int>(0);
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator, [this, sweeps, once] {
        if (++*sweeps < 2)
            return;
        QObject::disconnect(*once);
        EXPECT_TRUE(simulator.injectFault({Simulator::Fault::Kind::NoReply, "CALCulate:TRACe:DATA:SDATa?"}));
    });
    QSignalSpy cancelled(dut.get(), &Step::cancelled);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    EXPECT_EQ(*sweeps, 2);
    EXPECT_EQ(cancelled.count(), 0);
    EXPECT_TRUE(errors.contains("Cannot read S-parameters data")) << errors.join("; ").toStdString();
    EXPECT_EQ(progressTexts().last(), "Read s-data (cancelled)");
    expectEarlierDutKept(*dut, earlier);
}

// A standard or a DUT from a file, calculated or not, leaves the analyzer as it is: the
// pre-measure commands are for sweeps, and nothing would restore them after a file.
TEST_F(DutMeasurement, FromAFileTheAnalyzerIsLeftAlone)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndMakeDut(thru, dut));
    drain();
    simulator.clearLog();
    const QString file = writeFile("standard.s2p", "# GHz S RI R 50\n" + threeRecords);
    reflectStep()->measureOpenFromTouchstone(file);
    dut->measureFromTouchstoneFile(file);
    drain();
    EXPECT_EQ(progressTexts().size(), 3);
    EXPECT_EQ(commandsReceived(), QStringList{});
}

// The busy page's cancel reaches every step, idle ones as well; a DUT that cannot be
// calculated later still tells why, in its own words, and keeps the DUT measured before.
TEST_F(DutMeasurement, ACalculationFailingAfterACancelStillTellsWhy)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    QObject::connect(dut.get(), &Step::interrupted, thru.get(), &Step::interrupt, Qt::DirectConnection);
    QSignalSpy cancelled(dut.get(), &Step::cancelled);
    cancelDuringTheNextSweep(*dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    ASSERT_EQ(cancelled.count(), 1);
    ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    // Three points make a readable file but are too few for a time gate.
    dut->measureFromTouchstoneFile(writeFile("dut.s2p", "# GHz S RI R 50\n" + threeRecords));
    drain();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("The DUT cannot be calculated: ")) << errors[0].toStdString();
}
