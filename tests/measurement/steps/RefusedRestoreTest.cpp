#include "measurement/steps/TransmissionStep.h"
#include "tests/analyzer/device/support/CorrectionChecks.h"
#include "tests/measurement/steps/StepSession.h"

using MeasureEnums::MeasureStatus;
using Simulator::Fault;

namespace {

class RefusedRestore : public StepSession
{
protected:
    // A thru measured while the analyzer refuses to load back the state saved before it.
    std::shared_ptr<TransmissionStep> measureThruRefusingTheLoad()
    {
        EXPECT_TRUE(simulator.injectFault({Fault::Kind::Refused, "MMEMory:LOAD", 1, 0, 0}));
        simulator.setWorld(Simulator::FixtureWorld::Arrangement::Thru);
        auto step = thruStep(thruConnection());
        EXPECT_TRUE(step->measureFromVna());
        drain();
        [&] { ASSERT_EQ(step->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString(); }();
        return step;
    }
};

} // namespace

// The analyzer refuses to load back the state saved before the measurement (as when
// its state file is gone): the thru stands, the analyzer sweeps on its own trigger
// again, and the user is told once what is not as it was. A restore that takes says nothing.
TEST_F(RefusedRestore, PutsTheTriggeringBackAndTellsOnceWhatIsNotRestored)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.channel(1).traces = {{"S21", 1, "MLOGarithmic"}};
    });
    const auto step = measureThruRefusingTheLoad();
    if (HasFatalFailure())
        return;
    EXPECT_EQ(simulator.model().triggerSource, "INT");
    EXPECT_TRUE(simulator.model().channel(1).continuous);
    EXPECT_EQ(errors, QStringList{"VNA did not load back the state it had before the measurement. Set back as before: "
                                  "trigger source, continuous sweep. Not restored: traces (S21)."});
    EXPECT_EQ(progressTexts(), QStringList{"Restore device state (cancelled)"});

    errors.clear();
    ASSERT_TRUE(step->measureFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{});
}

// A bus-triggered test program left the analyzer with the traces the thru measures, and
// the fixtures were applied at 75 ohm: a refused load changes nothing a trigger or a
// trace would show, yet the correction and the impedances are gone unless put back.
TEST_F(RefusedRestore, OnTheBusTriggerFailsTheTaskAndPutsTheCorrectionBack)
{
    const QString half = writeFile("deembed.s2p", "# Hz S RI R 75\n1e6 0.1 0 0.9 0 0.9 0 0.1 0\n"
                                                   "2.1e10 0.1 0 0.9 0 0.9 0 0.1 0\n");
    for (uint port : {0u, 1u}) {
        device->setImpedance(port, 75.0);
        device->setDeembeddingState(port, false);
        device->setDeembeddingFile(port, half);
    }
    device->setDeembeddingState(true);
    device->setFixtureSimulationState(true);
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.triggerSource = "BUS";
        model.channel(1).continuous = false;
        model.channel(1).traces = {{"S11", 1, "MLOGarithmic"}, {"S12", 2, "MLOGarithmic"},
                                   {"S21", 1, "MLOGarithmic"}, {"S22", 2, "MLOGarithmic"}};
    });
    ASSERT_TRUE(refresh());
    ASSERT_TRUE(refresh());
    const Simulator::AnalyzerModel applied = simulator.model();
    ASSERT_TRUE(applied.findChannel(1)->fixtureSimulator && applied.findChannel(1)->deembedding);

    const auto step = measureThruRefusingTheLoad();
    if (HasFatalFailure())
        return;
    EXPECT_EQ(errors, QStringList{"VNA did not load back the state it had before the measurement. Set back as before: "
                                  "continuous sweep, fixture simulator, de-embedding, port impedances."});
    EXPECT_EQ(progressTexts(), QStringList{"Restore device state (cancelled)"});
    expectBusTriggeredWithCorrection(simulator.model(), applied);
}
