#include "measurement/steps/TransmissionStep.h"
#include "tests/measurement/steps/StepSession.h"

#include <QSignalSpy>

using MeasureEnums::MeasureStatus;
using Simulator::Fault;

namespace {

// A cancel pressed while a slow analyzer's state is saved before the sweep, at the
// line the analyzer has just received.
class EarlyCancel : public StepSession, public testing::WithParamInterface<const char*>
{
protected:
    // Cancels as the busy page does once the analyzer receives a line starting with `start`.
    void cancelAtLine(Step& step, const QString& start)
    {
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &simulator,
                                 [this, &step, start, once](int, const QString& line) {
                                     if (!line.startsWith(start))
                                         return;
                                     QObject::disconnect(*once);
                                     step.interrupt();
                                     device->interrupt();
                                 });
    }

    static int firstLine(const QStringList& lines, const QString& start)
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].startsWith(start))
                return i;
        }
        return -1;
    }
};

} // namespace

// The cancel holds for the measurement it was pressed for, wherever the preparation
// stands: no sweep, the earlier thru kept, the analyzer as it was, the task cancelled,
// and the analyzer never reads as lost or unready meanwhile.
TEST_P(EarlyCancel, BeforeTheSweepKeepsTheEarlierThruAndTheAnalyzer)
{
    const auto connection = thruConnection();
    auto step = thruStep(connection);
    ASSERT_TRUE(step->measureFromVna());
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    const auto earlierHalf = left->getFixturePort(0)->measureData()->sParameters()->s21();
    const auto earlierProcesses = connection->processes().all().size();
    const Simulator::ChannelSettings before = simulator.model().channel(1);

    simulator.clearLog();
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::LateReply, QString(), 5, 1500}));
    QSignalSpy connected(device.get(), &SyncedVnaDevice::isConnectedChanged);
    QSignalSpy ready(device.get(), &SyncedVnaDevice::isReadyChanged);
    QSignalSpy cancelled(step.get(), &Step::cancelled);
    QSignalSpy finished(step.get(), &Step::finished);
    cancelAtLine(*step, GetParam());
    step->measureFromVna();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    drain();
    simulator.clearFaults();

    const QStringList lines = allLines();
    ASSERT_GE(firstLine(lines, GetParam()), 0);
    EXPECT_EQ(firstLine(lines, "INITiate1:IMMediate"), -1);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_TRUE(progressTexts().last().endsWith("(cancelled)")) << progressTexts().join(", ").toStdString();
    EXPECT_EQ(step->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(left->getFixturePort(0)->measureData()->sParameters()->s21(), earlierHalf);
    EXPECT_EQ(connection->processes().all().size(), earlierProcesses);

    const int preset = firstLine(lines, "SYSTem:PRESet");
    if (preset >= 0) {
        EXPECT_GT(firstLine(lines.mid(preset), "MMEMory:LOAD "), 0);
    }
    const Simulator::ChannelSettings after = simulator.model().channel(1);
    EXPECT_EQ(after.startFrequency, before.startFrequency);
    EXPECT_EQ(after.stopFrequency, before.stopFrequency);
    EXPECT_EQ(after.points, before.points);
    EXPECT_EQ(connected.count(), 0);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(device->isReady(), true);
}

INSTANTIATE_TEST_SUITE_P(WhileTheStateIsSaved, EarlyCancel,
                         testing::Values("MMEMory:STORe:STYPe?", "MMEMory:STORe:STATe", "SYSTem:PRESet",
                                         "SYST:READy?"));
