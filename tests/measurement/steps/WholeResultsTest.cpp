#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/measurement/steps/StepSession.h"

#include <cmath>

using namespace Simulator::Physics;
using MeasureEnums::MeasureStatus;
using Simulator::FixtureWorld;

namespace {

const LineCascade longerHalf({{50.0, 40e-12, 0.05}, {45.0, 150e-12, 0.05}, {50.0, 200e-12, 0.05}});

// What a 2x-thru shows and exports: every row's half, the kept processes and the raw data.
struct ShownThru
{
    std::vector<std::vector<std::complex<double>>> halves;
    std::vector<const void*> processes;
    std::vector<std::vector<std::complex<double>>> raw;

    bool operator==(const ShownThru& other) const
    {
        return halves == other.halves && processes == other.processes && raw == other.raw;
    }
};

class WholeResults : public StepSession
{
protected:
    // Two 2-port fixtures on a 4-port analyzer, cabled to ports 1, 3 and 2, 4.
    void cableTwoPairs()
    {
        ASSERT_NO_FATAL_FAILURE(useFourPortAnalyzer());
        left->setAttachedVnaPort(0, 0);
        left->setAttachedVnaPort(1, 2);
        right->setAttachedVnaPort(0, 1);
        right->setAttachedVnaPort(1, 3);
    }

    ShownThru shown(const TransmissionStep& step) const
    {
        ShownThru thru;
        for (const auto& fixture : {left, right}) {
            for (uint row = 0; row < fixture->fixture()->portsCount(); ++row)
                thru.halves.push_back(fixture->getFixturePort(row)->measureData()->sParameters().value().s21());
        }
        for (const auto& kept : static_cast<ConnectionTransmisson*>(step.connection())->processes().all())
            thru.processes.push_back(kept.process.get());
        for (const auto& pair : step.thruMeasurer()->rawData())
            thru.raw.push_back(pair.s21());
        return thru;
    }

    // The DUT step on the thru's two fixtures, following the thru as the setup makes it.
    std::shared_ptr<DutStep> dutOn(const std::shared_ptr<ConnectionTransmisson>& connection, TransmissionStep& thru)
    {
        auto dut = keep(makeLaterDeleted<DutStep>(connection, std::vector<std::shared_ptr<ConnectionBase>>{connection},
                                                  std::vector{left, right}, device.get(), &worker, &progress));
        std::weak_ptr<DutStep> weak = dut;
        thru.setOffsetFollowUp([weak]() -> Step::FollowUp { return weak.lock()->recalculation(); });
        thru.setRemeasuredFollowUp([weak, link = connection.get()]() -> Step::Ending {
            return weak.lock()->ending(link);
        });
        return dut;
    }

    // A measured thru and a DUT measured on it.
    void measureThruAndDut(std::shared_ptr<TransmissionStep>& thru, std::shared_ptr<DutStep>& dut)
    {
        const auto connection = thruConnection();
        thru = thruStep(connection);
        dut = dutOn(connection, *thru);
        simulator.setWorld(FixtureWorld::Arrangement::Thru);
        ASSERT_TRUE(thru->measureFromVna());
        simulator.setWorld(FixtureWorld::Arrangement::Dut);
        ASSERT_TRUE(dut->measureFromVna());
        drain();
        ASSERT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    }

    Algorithms::FixturePort& port(const std::shared_ptr<VNAFixtureConnection>& fixture)
    {
        return *fixture->getFixturePort(0)->measureData();
    }
};

} // namespace

// A thru of two port pairs is one measurement: a cancel during the second pair's sweep, a
// second pair that cannot be read and a cancel while the second pair calculates all leave
// the earlier thru whole, its halves, processes, raw data and status.
TEST_F(WholeResults, AThruOfTwoPairsKeepsTheEarlierOneWholeUnlessBothPairsSucceed)
{
    ASSERT_NO_FATAL_FAILURE(cableTwoPairs());
    auto step = thruStep(thruConnection());
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const ShownThru earlier = shown(*step);
    ASSERT_EQ(earlier.processes.size(), 2u);
    simulator.setFixture(longerHalf, longerHalf, exampleDut());
    QSignalSpy cancelled(step.get(), &Step::cancelled);

    cancelDuringTheNextSweep(*step, 2);
    ASSERT_TRUE(step->measureFromVna());
    drain();
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(progressTexts().last(), "Read SParameters (cancelled)");
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_TRUE(shown(*step) == earlier);

    simulator.setSweepTimeMs(0);
    auto sweeps = std::make_shared<int>(0);
    const QMetaObject::Connection secondRead =
        QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator, [this, sweeps] {
            if (++*sweeps == 2) {
                EXPECT_TRUE(simulator.injectFault({Simulator::Fault::Kind::NoReply, "CALCulate:TRACe:DATA:SDATa?"}));
            }
        });
    ASSERT_TRUE(step->measureFromVna());
    drain();
    QObject::disconnect(secondRead);
    EXPECT_EQ(errors, QStringList{"Cannot read S-parameters data"});
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_TRUE(shown(*step) == earlier);

    // Every run writes its parameters back as it starts: the second one is the second pair's.
    errors.clear();
    auto runs = std::make_shared<int>(0);
    const QMetaObject::Connection secondRun = QObject::connect(
        &params, &Algorithms::ProcessInputParameters::sigRiseTimeChanged, step.get(),
        [runs, target = step.get()] {
            if (++*runs == 2)
                target->interrupt();
        },
        Qt::DirectConnection);
    ASSERT_TRUE(step->measureFromVna());
    drain();
    QObject::disconnect(secondRun);
    EXPECT_EQ(*runs, 2);
    EXPECT_EQ(cancelled.count(), 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(progressTexts().last(), "Execute algorithm (cancelled)");
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_TRUE(shown(*step) == earlier);

    ASSERT_TRUE(step->measureFromVna());
    drain();
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_FALSE(shown(*step) == earlier);
}

// A DUT belongs to the thru it was calculated on: a new thru ends it with one notice, and a
// later offset calculates nothing on the new halves from the earlier DUT's reflections.
TEST_F(WholeResults, ANewThruEndsTheDutOfTheEarlierOne)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));

    simulator.setWorld(FixtureWorld::Arrangement::Thru);
    ASSERT_TRUE(thru->measureFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{"The DUT result was cleared because its fixtures were measured again"});
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::NONE);
    for (const DutMeasurer* measurer : dut->measurers())
        EXPECT_TRUE(measurer->rawData().isEmpty());

    errors.clear();
    thru->setLeftOffset(10.0);
    thru->setRightOffset(10.0);
    thru->applyThruOffset(true);
    drain();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::NONE);
    EXPECT_EQ(port(left).currentSParametersKind(), Algorithms::FixturePort::OffsetKind);
    EXPECT_EQ(port(right).currentSParametersKind(), Algorithms::FixturePort::OffsetKind);

    // Measured again, the DUT ends nothing more when its thru is not measured again.
    simulator.setWorld(FixtureWorld::Arrangement::Dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
}

// A DUT on a grid that the time gate cannot serve is refused before anything changes, in
// words the user reads, and the DUT measured before stays.
TEST_F(WholeResults, ADutOnALogarithmicGridIsRefusedAndTheEarlierOneStays)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    const std::vector<std::complex<double>> regated = port(left).sParameters()->s11();

    QByteArray text("# Hz S RI R 50\n");
    for (int i = 0; i < 201; ++i)
        text += QByteArray::number(10e6 * std::pow(2000.0, i / 200.0), 'g', 12) + " 0.1 0 0.9 0 0.9 0 0.1 0\n";
    dut->measureFromTouchstoneFile(writeFile("dut.s2p", text));
    drain();
    EXPECT_EQ(errors, QStringList{"The DUT's frequency grid cannot be time-gated: measure the DUT with a linear sweep"});
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::MEASURED);
    EXPECT_EQ(port(left).sParameters()->s11(), regated);
    for (const DutMeasurer* measurer : dut->measurers())
        EXPECT_EQ(measurer->rawData().value(0).frequencies().size(), grid().size());
}

// The follow-up of an offset is the DUT's: an offset applied is told as applied even when
// the DUT cannot follow it, and the DUT alone tells that it failed, once.
TEST_F(WholeResults, ADutThatCannotFollowAnOffsetFailsAsTheDutWhileTheOffsetHolds)
{
    std::shared_ptr<TransmissionStep> thru;
    std::shared_ptr<DutStep> dut;
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut(thru, dut));
    QSignalSpy thruErrors(thru.get(), &Step::error);
    QSignalSpy refused(thru.get(), &Step::refused);

    // The gate can no longer be formed; the offset itself needs no gate.
    params.setTestMode(true);
    params.setTimeMin(std::nan(""));
    thru->setLeftOffset(10.0);
    thru->setRightOffset(10.0);
    thru->applyThruOffset(true);
    drain();
    EXPECT_EQ(progressTexts().last(), "Finished");
    EXPECT_EQ(thruErrors.count(), 0);
    EXPECT_EQ(refused.count(), 0);
    EXPECT_TRUE(thru->appliedFixtureOffset());
    EXPECT_EQ(port(left).currentSParametersKind(), Algorithms::FixturePort::OffsetKind);
    ASSERT_EQ(errors.size(), 1) << errors.join("; ").toStdString();
    EXPECT_TRUE(errors[0].startsWith("The DUT cannot follow the new offset")) << errors[0].toStdString();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::Error);
}

// A DUT between two fixtures, each characterised by its own open, that cannot follow an offset
// of one side fails on both: the other side's half is its open's again, and a later open has
// no DUT result left to clear.
TEST_F(WholeResults, ADutBetweenTwoOpensThatCannotFollowAnOffsetLeavesNeitherSideRegated)
{
    std::vector<std::shared_ptr<ReflectionStep>> opens;
    std::vector<std::shared_ptr<ConnectionBase>> links;
    for (const auto& fixture : {left, right}) {
        auto link = makeLaterDeleted<ConnectionReflect>(fixture.get(), &params);
        auto step = keep(makeLaterDeleted<ReflectionStep>(link, fixture, device.get(), &worker, &progress));
        step->setConversionT(Algorithms::Z0ConversionType::None);
        opens.push_back(step);
        links.push_back(link);
    }
    auto dut = keep(makeLaterDeleted<DutStep>(thruConnection(), links, std::vector{left, right}, device.get(), &worker,
                                              &progress));
    std::weak_ptr<DutStep> weak = dut;
    for (std::size_t side = 0; side < 2; ++side) {
        opens[side]->setOffsetFollowUp([weak]() -> Step::FollowUp { return weak.lock()->recalculation(); });
        opens[side]->setRemeasuredFollowUp([weak, link = links[side].get()]() -> Step::Ending {
            return weak.lock()->ending(link);
        });
    }
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    for (const auto& step : opens)
        ASSERT_TRUE(step->measureOpenFromVna());
    const std::vector<std::complex<double>> rightOpen = port(right).sParameters()->s11();
    simulator.setWorld(FixtureWorld::Arrangement::Dut);
    ASSERT_TRUE(dut->measureFromVna());
    drain();
    ASSERT_EQ(dut->measureStatus(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    ASSERT_NE(port(right).sParameters()->s11(), rightOpen);

    // The gate can no longer be formed; the offset itself needs no gate.
    params.setTestMode(true);
    params.setTimeMin(std::nan(""));
    opens[0]->setOffset(10.0);
    opens[0]->applyOffset(true);
    drain();
    ASSERT_EQ(errors.size(), 1) << errors.join("; ").toStdString();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::Error);
    EXPECT_EQ(port(right).currentSParametersKind(), Algorithms::FixturePort::DefaultKind);
    EXPECT_EQ(port(right).sParameters()->s11(), rightOpen);

    errors.clear();
    params.setTestMode(false);
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_TRUE(opens[0]->measureOpenFromVna());
    drain();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(dut->measureStatus(), MeasureStatus::NONE);
}
