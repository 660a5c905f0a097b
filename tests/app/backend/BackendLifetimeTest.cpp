#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/TouchstoneRecords.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/app/support/BackendSession.h"

#include <QTimer>

namespace {

class BackendLifetime : public BackendSession
{
protected:
    void SetUp() override
    {
        BackendSession::SetUp();
        startBackend();
        ASSERT_TRUE(waitForAssignedPorts(2));
    }

    TransmissionStep* thruStep() const { return qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get()); }
};

} // namespace

TEST_F(BackendLifetime, APresetAskedForDuringAMeasurementWaitsForItsEnd)
{
    simulator.setSweepTimeMs(200);
    TransmissionStep* step = thruStep();
    ASSERT_TRUE(step);
    simulator.clearLog();
    // Receives for this test body only.
    QObject listener;
    bool presetBeforeRestore = false;
    QObject::connect(backend.get(), &MainQmlBackend::message, &listener, [&](const QString& text) {
        presetBeforeRestore = presetBeforeRestore
                              || (text.contains("preset") && !measurementRestored());
    });
    QTimer::singleShot(50, backend.get(), [this] { backend->preset(); });
    ASSERT_TRUE(step->measureFromVna());
    EXPECT_TRUE(waitFor([this] { return messages.contains("Plug-in preset was performed"); }));
    EXPECT_FALSE(presetBeforeRestore);
    EXPECT_EQ(setups()->getCount(), 1);
}

TEST_F(BackendLifetime, DestroyedWithAnOffsetStillQueuedItStopsItsWorkerBeforeItsSetups)
{
    const QString file = workingDirectory.filePath("thru.s2p");
    const auto grid = Simulator::Physics::lowPassGrid(50e6, 200);
    ASSERT_TRUE(TouchstoneIO().write(file, twoPortTouchstone(Simulator::Physics::twoXThru(
                                                                 Simulator::Physics::exampleLeftHalf(),
                                                                 Simulator::Physics::exampleRightHalf(), grid),
                                                             50.0)));
    TransmissionStep* step = thruStep();
    step->measureFromTouchstoneFile(file);
    ASSERT_TRUE(waitFor([step] { return step->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }))
        << errors.join("; ").toStdString();
    step->setLeftOffset(5.0);
    step->applyThruOffset(true);
    step->measureFromTouchstoneFile(file);
    backend.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SUCCEED();
}
