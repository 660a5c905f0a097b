#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/walk/WalkSession.h"

#include <QSignalSpy>

namespace {

using MeasureEnums::MeasureStatus;

class OrdinaryUseTest : public WalkSession
{
protected:
    NoltAlgorithmsSetup* setup() const { return backend->getFixtureSetups()->setup(0); }

    void activate(const QString& combo, int index)
    {
        QQuickItem* found = visible(combo);
        ASSERT_NE(found, nullptr) << combo.toStdString();
        QMetaObject::invokeMethod(found, "activated", Q_ARG(int, index));
    }

    void showStep(int index)
    {
        item(QStringLiteral("stepper"))->setProperty("currentIndex", index);
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == index; }));
    }

    void setPortCounts(int count)
    {
        activate(QStringLiteral("portsCountA"), count - 1);
        activate(QStringLiteral("portsCountB"), count - 1);
        ASSERT_TRUE(waitFor([&] {
            return int(setup()->leftFixtureConn()->fixture()->portsCount()) == count
                   && int(setup()->rightFixtureConn()->fixture()->portsCount()) == count;
        }));
    }
};

// Every QML warning fails the session (see WindowSession): none is printed from
// the start through port counts, a fixture off and on, the charts of a measured,
// offset and deleted thru, to a preset.
TEST_F(OrdinaryUseTest, PrintsNoQmlWarningFromTheStartToAPreset)
{
    simulator.setPortCount(4);
    ASSERT_TRUE(reachWizard());

    // The fixtures' port counts to 2 and back on the 4-port analyzer, then fixture A off and on.
    setPortCounts(2);
    setPortCounts(1);
    pressVisible(QStringLiteral("fixtureEnabledA"));
    ASSERT_TRUE(waitFor([&] { return !setup()->leftFixtureEnabled(); }));
    pressVisible(QStringLiteral("fixtureEnabledA"));
    ASSERT_TRUE(waitFor([&] { return setup()->leftFixtureEnabled() && setup()->abThruConnectionEnabled(); }));

    // The thru measured, its charts with the user markers, its offset applied and its data deleted.
    auto* thru = qobject_cast<TransmissionStep*>(setup()->steps().rows().front().get());
    ASSERT_NE(thru, nullptr);
    showStep(4);
    pressVisible(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; }));
    pressVisible(QStringLiteral("editCharacterization"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("lengthChart")) != nullptr; }));
    pressVisible(QStringLiteral("showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("userMarker")) != nullptr; }));
    thru->applyThruOffset(true);
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("movingReferenceLine")) != nullptr; }));
    thru->deleteData();
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("referenceMarker")) == nullptr; }));
    pressVisible(QStringLiteral("returnButton"));

    // The plug-in preset, confirmed in its dialog.
    showStep(0);
    pressVisible(QStringLiteral("pluginPreset"));
    QQuickItem* accept = nullptr;
    ASSERT_TRUE(waitFor([&] { return (accept = visible(QStringLiteral("acceptButton"))) != nullptr; }));
    QSignalSpy preset(backend.get(), &MainQmlBackend::presetGui);
    press(accept);
    EXPECT_TRUE(waitForWork([&] { return preset.count() == 1; }));
}

} // namespace
