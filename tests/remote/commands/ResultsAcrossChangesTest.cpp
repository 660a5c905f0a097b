#include "measurement/fixtures/MeasuredFixturePort.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <optional>
#include <vector>

using Simulator::FixtureWorld;

namespace {

const QByteArray LeftLength = "NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?";

// Results kept or dropped by a change of the connections or the halves, and what
// the user and a client learn of it.
class ResultsAcrossChangesTest : public RemoteCommandSession
{
protected:
    RemoteOutcome measure(FixtureWorld::Arrangement world, const QByteArray& line)
    {
        simulator.setWorld(world);
        return run(line);
    }

    // The thru measured, then the DUT on it.
    void measureThruAndDut()
    {
        ASSERT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON"), done());
        ASSERT_EQ(measure(FixtureWorld::Arrangement::Thru, "NOLT:CALCulate:STEP1:THRU"), done());
        ASSERT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP2:DUT"), done())
            << errors.join("; ").toStdString();
    }

    TransmissionStep* thruStep() const { return qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get()); }
    DutStep* dutStep() const { return qobject_cast<DutStep*>(setup(0)->steps().at(1).get()); }

    // Whether the left half carries the DUT's reflections, as the DUT step reads it.
    bool leftHalfDutCorrected() const
    {
        return setup(0)->leftFixtureConn()->getFixturePort(0)->measureData()->calibrationState().testFlag(
            QmlFixturePort::DutCorrected);
    }

    // What the correction of a side (0 left, 1 right) is made of: its half's set in force.
    std::optional<Algorithms::SParametersTwoPort> half(int side) const
    {
        VNAFixtureConnection* fixture = side == 0 ? setup(0)->leftFixtureConn() : setup(0)->rightFixtureConn();
        return fixture->getFixturePort(0)->measureData()->sParameters();
    }

    // The half of each side holds exactly the set it held before.
    void expectHalves(const std::vector<std::optional<Algorithms::SParametersTwoPort>>& before) const
    {
        for (int side = 0; side < 2; ++side) {
            const std::optional<Algorithms::SParametersTwoPort> now = half(side);
            ASSERT_TRUE(now && before[side]) << "side " << side;
            EXPECT_TRUE(now->frequencies() == before[side]->frequencies() && now->s11() == before[side]->s11()
                        && now->s12() == before[side]->s12() && now->s21() == before[side]->s21()
                        && now->s22() == before[side]->s22())
                << "side " << side;
        }
    }

    // No direct thru: each fixture characterised by its own open, and the DUT between them.
    void measureOpensAndDut()
    {
        for (const char* line : {"NOLT:SYSTem:FIXTure:CONNECTion:DIRect OFF",
                                 "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON"})
            ASSERT_EQ(run(line), done()) << line;
        ASSERT_EQ(run("NOLT:SYSTem:STEP3:TYPE?"), reply("DUT"));
        ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), done());
        ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP2:REFlect:OPEN"), done());
    }
};

} // namespace

TEST_F(ResultsAcrossChangesTest, ConnectionChangesKeepTheStepsThatStillMeasureTheSameAndTellOfTheOthers)
{
    startWithAnalyzer();
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Thru, "NOLT:CALCulate:STEP1:THRU"), done());
    for (const char* line : {"NOLT:SYSTem:STEP1:THRU:REFOFFSet ON", "NOLT:SYSTem:STEP1:THRU:REFOFFSet:OPEN ON",
                             "NOLT:SYSTem:STEP1:THRU:REFOFFSet:SHORt ON"})
        ASSERT_EQ(run(line), done()) << line;
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), done());
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Short, "NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt"), done());
    const double length = realReply(LeftLength);

    // The thru, open and short stay with the DUT step added.
    ASSERT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(thruStep()->reflectCalculated(), MeasureEnums::MeasureStatus::MEASURED);
    EXPECT_EQ(realReply(LeftLength), length);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();

    // Without the DUT step its results go, told once; the halves are the thru's again.
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP2:DUT"), done());
    ASSERT_TRUE(leftHalfDutCorrected());
    ASSERT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent OFF"), done());
    const QString dropped = "Results of the steps that the new connections leave out were cleared";
    EXPECT_EQ(messages, QStringList{dropped});
    EXPECT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_FALSE(leftHalfDutCorrected());
    EXPECT_EQ(realReply(LeftLength), length);

    // Another thru takes the place of the measured one.
    ASSERT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DIRect OFF"), done());
    EXPECT_EQ(messages, (QStringList{dropped, dropped}));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// The DUT's reflections are kept, so the DUT follows the halves an offset moved.
TEST_F(ResultsAcrossChangesTest, AThruOffsetAfterTheDutCalculatesTheDutOnTheNewHalves)
{
    startWithAnalyzer();
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut());
    const double length = realReply(LeftLength);

    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:MEASured?"), reply("1"));
    EXPECT_TRUE(leftHalfDutCorrected());
    EXPECT_NEAR(realReply(LeftLength), length + 10e-12, 1e-13);

    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet OFF"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:MEASured?"), reply("1"));
    EXPECT_TRUE(leftHalfDutCorrected());
    EXPECT_NEAR(realReply(LeftLength), length, 1e-13);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

// The client asked whether its measurement succeeded, not whether the step is still
// measured once later work (here a side's reading reset as the run ends) has run.
TEST_F(ResultsAcrossChangesTest, ADutCommandWhoseMeasurementSucceededAnswersSuccess)
{
    startWithAnalyzer();
    ASSERT_NO_FATAL_FAILURE(measureThruAndDut());
    DutStep* dut = dutStep();
    auto once = std::make_shared<QMetaObject::Connection>();
    // Connected while the command's measurement runs, so it runs after what the command watches.
    *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator, [dut, once] {
        QObject::disconnect(*once);
        QObject::connect(
            dut, &Step::finished, dut, [dut] { dut->measurers().front()->reset(); }, Qt::DirectConnection);
    });
    EXPECT_EQ(run("NOLT:CALCulate:STEP2:DUT"), done()) << errors.join("; ").toStdString();
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:MEASured?"), reply("0"));
}

// A DUT is one measurement over both fixtures: a new characterisation of either side, or its
// data deleted, ends it on both, the correction of each side then as it was before the DUT.
// Only a DUT result that ends is told.
TEST_F(ResultsAcrossChangesTest, ADutBetweenTwoSeparatelyCharacterisedFixturesEndsOnBothSides)
{
    startWithAnalyzer();
    ASSERT_NO_FATAL_FAILURE(measureOpensAndDut());
    const std::vector<std::optional<Algorithms::SParametersTwoPort>> beforeDut{half(0), half(1)};
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP3:DUT"), done())
        << errors.join("; ").toStdString();
    // Each reflect half faces the analyzer with its S11, which the DUT re-gates.
    ASSERT_NE(half(1)->s11(), beforeDut[1]->s11());

    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP1:REFlect:OPEN"), done());
    EXPECT_EQ(errors, QStringList{"The DUT result was cleared because its fixtures were measured again"});
    EXPECT_EQ(run("NOLT:SYSTem:STEP3:MEASured?"), reply("0"));
    expectHalves(beforeDut);

    // The DUT has ended: the other side measured again clears nothing.
    errors.clear();
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP2:REFlect:OPEN"), done());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();

    // Deleting a side's data ends the DUT as well, the other side back to its own open, and
    // nothing is told when the deleted side is measured again.
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Dut, "NOLT:CALCulate:STEP3:DUT"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP3:MEASured?"), reply("1"));
    ASSERT_EQ(run("NOLT:SYSTem:STEP2:DATA:DELete"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP3:MEASured?"), reply("0"));
    EXPECT_EQ(half(0)->s11(), beforeDut[0]->s11());
    ASSERT_EQ(measure(FixtureWorld::Arrangement::Open, "NOLT:CALCulate:STEP2:REFlect:OPEN"), done());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    expectHalves(beforeDut);
}
