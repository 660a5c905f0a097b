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

    // A loaded machine may still be laying the page out after the last change.
    void pressWhenShown(const QString& name)
    {
        ASSERT_TRUE(waitFor([&] { return visible(name) != nullptr; })) << name.toStdString();
        pressVisible(name);
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
// the start through port counts, each fixture off (its 1xReflect step first seen
// on the measurement page) and on, the charts of a measured, offset and deleted
// thru, to a preset.
TEST_F(OrdinaryUseTest, PrintsNoQmlWarningFromTheStartToAPreset)
{
    simulator.setPortCount(4);
    ASSERT_TRUE(reachWizard());

    // The fixtures' port counts to 2 and back on the 4-port analyzer.
    setPortCounts(2);
    setPortCounts(1);

    // Fixture B off, then the measurement page opened for the first time on the
    // 1xReflect step that replaced the thru while the page was hidden; B back on.
    // Fixture A likewise, the page now opened before.
    for (const QString& side : {QStringLiteral("B"), QStringLiteral("A")}) {
        const auto sideEnabled = [&] {
            return side == QLatin1String("A") ? setup()->leftFixtureEnabled() : setup()->rightFixtureEnabled();
        };
        pressWhenShown(QStringLiteral("fixtureEnabled") + side);
        ASSERT_TRUE(waitFor([&] { return !sideEnabled() && setup()->steps().rows().size() == 1; })) << side.toStdString();
        showStep(4);
        ASSERT_TRUE(waitFor([&] {
            return visible(QStringLiteral("openMeasure")) != nullptr && visible(QStringLiteral("thruMeasure")) == nullptr;
        })) << side.toStdString();
        showStep(0);
        pressWhenShown(QStringLiteral("fixtureEnabled") + side);
        ASSERT_TRUE(waitFor([&] {
            return setup()->leftFixtureEnabled() && setup()->rightFixtureEnabled() && setup()->abThruConnectionEnabled();
        })) << side.toStdString();
    }

    // The thru measured, its charts with the user markers, its offset applied and its data deleted.
    auto* thru = qobject_cast<TransmissionStep*>(setup()->steps().rows().front().get());
    ASSERT_NE(thru, nullptr);
    showStep(4);
    pressWhenShown(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; }));
    pressWhenShown(QStringLiteral("editCharacterization"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("lengthChart")) != nullptr; }));
    pressWhenShown(QStringLiteral("showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("userMarker")) != nullptr; }));
    thru->applyThruOffset(true);
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("movingReferenceLine")) != nullptr; }));
    thru->deleteData();
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("referenceMarker")) == nullptr; }));
    pressWhenShown(QStringLiteral("returnButton"));

    // The plug-in preset, confirmed in its dialog.
    showStep(0);
    pressWhenShown(QStringLiteral("pluginPreset"));
    QQuickItem* accept = nullptr;
    ASSERT_TRUE(waitFor([&] { return (accept = visible(QStringLiteral("acceptButton"))) != nullptr; }));
    QSignalSpy preset(backend.get(), &MainQmlBackend::presetGui);
    press(accept);
    EXPECT_TRUE(waitForWork([&] { return preset.count() == 1; }));
}

} // namespace
