#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/walk/WalkSession.h"

#include <QTest>
#include <QTimer>

#include <memory>

using MeasureEnums::MeasureStatus;

// A measurement that begins while a field of the wizard has the keyboard focus (as one
// started over the remote control does): what the user types while the busy page
// shows reaches no field behind it, so no offset is entered or applied.
TEST_F(WalkSession, TypingWhileTheBusyPageShowsReachesNoFieldBehindIt)
{
    ASSERT_TRUE(reachWizard());
    pressVisible(QStringLiteral("stepperElement4"));
    auto* thru = qobject_cast<TransmissionStep*>(backend->getFixtureSetups()->setup(0)->steps().at(0).get());
    ASSERT_NE(thru, nullptr);
    pressVisible(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; }));
    ASSERT_TRUE(waitForWork([&] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; }));
    QQuickItem* field = visible(QStringLiteral("leftOffset"));
    ASSERT_NE(field, nullptr);
    field->forceActiveFocus();
    ASSERT_TRUE(field->hasActiveFocus());

    simulator.setSweepTimeMs(2000);
    bool typed = false;
    QObject context;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &context, [&, once] {
        QObject::disconnect(*once);
        QTimer::singleShot(0, &context, [&] {
            QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(window, '2');
            QTest::keyClick(window, '0');
            QTest::keyClick(window, Qt::Key_Return);
            typed = true;
        });
    });
    // The measurement waits for the analyzer inside the call, serving the window meanwhile.
    QTimer::singleShot(0, &context, [thru] { thru->measureFromVna(); });
    ASSERT_TRUE(waitForWork([&] { return typed; }));
    simulator.setSweepTimeMs(0);
    ASSERT_TRUE(waitForWork([&] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; }));
    EXPECT_EQ(thru->leftOffset(), 0.0);
    EXPECT_FALSE(thru->appliedFixtureOffset());
    EXPECT_EQ(field->property("text").toString(), QStringLiteral("0"));
}
