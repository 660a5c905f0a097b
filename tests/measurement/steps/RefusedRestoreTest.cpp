#include "measurement/steps/TransmissionStep.h"
#include "tests/measurement/steps/StepSession.h"

using MeasureEnums::MeasureStatus;
using Simulator::Fault;

namespace {

using RefusedRestore = StepSession;

} // namespace

// The analyzer refuses to load back the state saved before the measurement (as when
// its state file is gone): the thru stands, the analyzer sweeps on its own trigger
// again, and the user is told once what is not as it was. A restore that takes says nothing.
TEST_F(RefusedRestore, PutsTheTriggeringBackAndTellsOnceWhatIsNotRestored)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.channel(1).traces = {{"S21", 1, "MLOGarithmic"}};
    });
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::Refused, "MMEMory:LOAD", 1, 0, 0}));
    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Thru);
    auto step = thruStep(thruConnection());
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    EXPECT_EQ(simulator.model().triggerSource, "INT");
    EXPECT_TRUE(simulator.model().channel(1).continuous);
    EXPECT_EQ(errors, QStringList{"VNA did not load back the state it had before the measurement. Set back as before: "
                                  "trigger source, continuous sweep. Not restored: traces (S21)."});

    errors.clear();
    ASSERT_TRUE(step->measureFromVna());
    drain();
    EXPECT_EQ(errors, QStringList{});
}
