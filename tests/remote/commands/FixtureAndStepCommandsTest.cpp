#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <QSignalSpy>

#include <cmath>
#include <memory>

namespace {

using FixtureAndStepCommandsTest = RemoteCommandSession;

} // namespace

TEST_F(FixtureAndStepCommandsTest, PortsAndStepListFollowTheFixtureFlags)
{
    simulator.setPortCount(4);
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT3?"), failed(221));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 0"), failed(221));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 5"), failed(221));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt 5"), failed(272));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt 0"), failed(272));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 3"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1?"), reply("3"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt 2"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt?"), reply("2"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT2?").code, 0);
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:AUX?"), failed(270));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt 1"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DIRect 1"), done());

    EXPECT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:TYPE?"), reply("TRANSMISSION"));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:REFlect:OPEN"), failed(262));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT OFF"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DIRect?"), failed(269));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?"), failed(269));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:TYPE?"), reply("REFLECT"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent 1"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("2"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:TYPE?"), reply("DUT"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:DATA:DELete"), failed(286));
    EXPECT_EQ(run("NOLT:SYSTem:STEP3:TYPE?"), failed(261));
    EXPECT_EQ(run("NOLT:SYSTem:CALCulation:METHod BI"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent 0"), failed(271));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?"), failed(271));

    // With no setup left, every setup command says so instead of failing somewhere else.
    backend->getFixtureSetups()->removeSetup(0);
    EXPECT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), failed(260));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT?"), failed(260));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), failed(260));
}

TEST_F(FixtureAndStepCommandsTest, AThruMeasuredRemotelyGivesResultsAndTakesOffsets)
{
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), failed(263));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), failed(263));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), failed(263));

    int sweeps = 0;
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepFinished, [&sweeps] { ++sweeps; });
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    EXPECT_GT(sweeps, 0);
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));

    const double left = realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?");
    const double right = realReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?");
    EXPECT_GT(left, 0.0);
    EXPECT_GT(right, 0.0);
    EXPECT_TRUE(std::isfinite(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:GATing?")));
    const std::vector<double> impulse = curveReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth:TRACe?");
    EXPECT_GT(impulse.size(), 10u);
    EXPECT_GT(curveReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:GATing:TRACe?").size(), 10u);
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT2:LENgth?"), failed(221));

    // Offsets in picoseconds, in force when the next line is read.
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), failed(264));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), done());
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), left + 10e-12, 1e-11 * 1e-2);
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?"), right - 10e-12, 1e-11 * 1e-2);
    // A port refuses an offset longer than its fixture.
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet -1e6,0"), failed(200));
    // Switched off, the offset leaves the results too.
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet OFF"), done());
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), left, 1e-11 * 1e-2);
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), failed(264));

    EXPECT_EQ(run("NOLT:SYSTem:STEP1:DATA:DELete"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth:TRACe?"), failed(263));
}

// A port or method command that takes a measured step's conditions away answers once
// the step is not measured; the port in use again changes nothing.
TEST_F(FixtureAndStepCommandsTest, PortAndMethodCommandsLeaveAMeasuredStepNotMeasured)
{
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 1"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 2"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));

    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1 1"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(run("NOLT:SYSTem:CALCulation:METHod BI"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));
}

TEST_F(FixtureAndStepCommandsTest, ReflectOffsetsSwitchedOnGiveEachUnequalHalfItsOwnLength)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    const double split = realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?");

    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet:OPEN ON"), done());
    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Open);
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), done());
    // The opens tell how the 2x-thru's delay is shared between the halves.
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), done());
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"),
                Simulator::Physics::exampleLeftHalf().totalDelay(), 2e-12);
    EXPECT_NEAR(realReply("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?"),
                Simulator::Physics::exampleRightHalf().totalDelay(), 2e-12);
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet OFF"), done());
    EXPECT_EQ(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), split);
}

// Measuring a standard leaves the reflect offsets switched on, so the next standard needs
// no switch in between; switched on, the ports hold the offsets of the standards measured
// last, the same ones each time the same standard is measured again.
TEST_F(FixtureAndStepCommandsTest, StandardsMeasuredInARowKeepTheReflectOffsetsSwitchedOnAndInForce)
{
    using Simulator::FixtureWorld;
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    auto* step = qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get());
    ASSERT_NE(step, nullptr);
    const QByteArray leftLength = "NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?";
    const QByteArray rightLength = "NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?";
    const double leftSplit = realReply(leftLength);
    const double rightSplit = realReply(rightLength);
    // The switch reads on and the halves are moved by the offsets the step shows.
    const auto expectOffsetsInForce = [&](const std::string& when) {
        EXPECT_TRUE(step->appliedReflectsOffset()) << when;
        EXPECT_NEAR(realReply(leftLength), leftSplit + step->leftReflectOffset() * 1e-12, 2e-15) << when;
        EXPECT_NEAR(realReply(rightLength), rightSplit + step->rightReflectOffset() * 1e-12, 2e-15) << when;
    };
    const auto expectHalves = [&](const std::string& when) {
        EXPECT_NEAR(realReply(leftLength), Simulator::Physics::exampleLeftHalf().totalDelay(), 2e-12) << when;
        EXPECT_NEAR(realReply(rightLength), Simulator::Physics::exampleRightHalf().totalDelay(), 2e-12) << when;
    };

    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet ON"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet:OPEN ON"), done());
    simulator.setWorld(FixtureWorld::Arrangement::Open);
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), done());
    const double leftOpen = step->leftReflectOffset();
    const double rightOpen = step->rightReflectOffset();
    expectOffsetsInForce("first open");
    expectHalves("first open");
    for (int time = 2; time <= 3; ++time) {
        const std::string when = "open measured " + std::to_string(time) + " times";
        ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), done()) << when;
        EXPECT_NEAR(step->leftReflectOffset(), leftOpen, 0.01) << when;
        EXPECT_NEAR(step->rightReflectOffset(), rightOpen, 0.01) << when;
        expectOffsetsInForce(when);
    }

    // Open then short: the open alone calculates nothing and the halves are on their own plane.
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet:SHORt ON"), done());
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN"), done());
    EXPECT_EQ(step->leftReflectOffset(), 0.0);
    EXPECT_EQ(step->rightReflectOffset(), 0.0);
    expectOffsetsInForce("open of both");
    simulator.setWorld(FixtureWorld::Arrangement::Short);
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt"), done());
    const double leftBoth = step->leftReflectOffset();
    const double rightBoth = step->rightReflectOffset();
    expectOffsetsInForce("short after the open");
    expectHalves("short after the open");
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt"), done());
    EXPECT_NEAR(step->leftReflectOffset(), leftBoth, 0.01);
    EXPECT_NEAR(step->rightReflectOffset(), rightBoth, 0.01);
    expectOffsetsInForce("short again");

    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:REFOFFSet OFF"), done());
    EXPECT_FALSE(step->appliedReflectsOffset());
    EXPECT_EQ(realReply(leftLength), leftSplit);
    EXPECT_EQ(realReply(rightLength), rightSplit);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(FixtureAndStepCommandsTest, AMeasurementCutOffDuringTheSweepIsAnExecutionError)
{
    startWithAnalyzer();
    simulator.setSweepTimeMs(200);
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator,
                     [this] { simulator.dropConnections(); });
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), failed(200));
    EXPECT_FALSE(errors.isEmpty());
    ASSERT_TRUE(waitFor([this] { return backend->getVnaDevice()->isReady().has_value(); }, 5000));
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("0"));
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:GATing?"), failed(263));
}

// A bus-triggered test program left the analyzer with the traces the thru measures, after
// the fixtures were applied: the analyzer refuses to load its state back after the thru.
// The command fails as the task row does, and the correction is on the analyzer again.
TEST_F(FixtureAndStepCommandsTest, AThruWhoseStateLoadIsRefusedFailsAndPutsTheCorrectionBack)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    ASSERT_EQ(run("NOLT:SYSTem:CORRECTion:APPLy"), done()) << errors.join("; ").toStdString();
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.triggerSource = "BUS";
        model.channel(1).continuous = false;
        model.channel(1).traces = {{"S11", 1, "MLOGarithmic"}, {"S12", 2, "MLOGarithmic"},
                                   {"S21", 1, "MLOGarithmic"}, {"S22", 2, "MLOGarithmic"}};
    });
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::Refused, "MMEMory:LOAD", 1, 0, 0}));

    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU", 60000), failed(200));
    EXPECT_EQ(errors.filter("VNA did not load back the state it had before the measurement.").size(), 1)
        << errors.join("; ").toStdString();
    const Simulator::AnalyzerModel after = simulator.model();
    EXPECT_TRUE(after.findChannel(1)->fixtureSimulator);
    EXPECT_TRUE(after.findChannel(1)->deembedding);
    EXPECT_EQ(after.triggerSource, "BUS");
    EXPECT_FALSE(after.findChannel(1)->continuous);
}

// Cancelled as the busy page's Cancel does while the analyzer sweeps for the thru
// again: the command fails, and the thru measured before stays.
TEST_F(FixtureAndStepCommandsTest, AMeasurementCancelledDuringTheSweepFailsAndKeepsTheEarlierThru)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    const double left = realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?");
    cancelDuringTheNextSweep();
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), failed(200));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(messages, QStringList{"Measurement cancelled"});
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), left);
}

// Cancelled as the busy page's Cancel does while a slow analyzer's state is saved
// before the sweep: no sweep follows, the command fails, and the earlier thru stays.
TEST_F(FixtureAndStepCommandsTest, AMeasurementCancelledWhileTheStateIsSavedFailsAndKeepsTheEarlierThru)
{
    startWithAnalyzer();
    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    const double left = realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?");
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::LateReply, QString(), 5, 1500}));
    QSignalSpy sweeps(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &simulator,
                             [this, once](int, const QString& line) {
                                 if (!line.startsWith("MMEMory:STORe:STATe"))
                                     return;
                                 QObject::disconnect(*once);
                                 backend->getFixtureSetups()->interrupt();
                                 backend->getVnaDevice()->interrupt();
                             });
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU", 60000), failed(200));
    simulator.clearFaults();
    EXPECT_EQ(sweeps.count(), 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(messages, QStringList{"Measurement cancelled"});
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));
    EXPECT_EQ(realReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?"), left);
}

TEST_F(FixtureAndStepCommandsTest, EmptyCurvesOfABisectedLogSweepRaiseTheirCodes)
{
    // Bisection works point by point on any grid; a logarithmic sweep leaves the
    // ports calculated without time responses, so their curves are empty.
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.channel(1).sweepType = Simulator::SweepType::Logarithmic;
        model.channel(1).points = 51;
    });
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:SYSTem:CALCulation:METHod BI"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    ASSERT_EQ(run("NOLT:SYSTem:STEP1:MEASured?"), reply("1"));

    for (const QByteArray side : {"LEFT", "RIGHT"}) {
        const QByteArray port = "NOLT:SYSTem:FIXTure:" + side + ":PORT1:";
        EXPECT_EQ(run(port + "LENgth:TRACe?"), failed(283)) << side.toStdString();
        EXPECT_EQ(run(port + "GATing:TRACe?"), failed(285)) << side.toStdString();
        // Without a low-pass grid there is no step response to ask for.
        EXPECT_EQ(run(port + "IMPedance:TRACe?"), failed(279)) << side.toStdString();
    }

    // The same query on a linear sweep finds its curve and answers it.
    SyncedVnaDevice* device = backend->getVnaDevice();
    device->setSweepType(SweepType::Linear);
    ASSERT_TRUE(waitFor([device] { return device->sweepType() == SweepType::Linear; }));
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done());
    EXPECT_GT(curveReply("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth:TRACe?").size(), 10u);
}
