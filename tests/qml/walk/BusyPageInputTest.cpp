#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/walk/WalkSession.h"

#include <QSemaphore>
#include <QTest>
#include <QTimer>

#include <memory>

using MeasureEnums::MeasureStatus;

namespace {

class BusyPageInput : public WalkSession
{
protected:
    // The 2x-thru measured from its page, which shows again once the measurement ended.
    void measureThruOnItsPage(TransmissionStep*& thru)
    {
        ASSERT_TRUE(reachWizard());
        pressVisible(QStringLiteral("stepperElement4"));
        thru = qobject_cast<TransmissionStep*>(backend->getFixtureSetups()->setup(0)->steps().at(0).get());
        ASSERT_NE(thru, nullptr);
        pressVisible(QStringLiteral("thruMeasure"));
        ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; }));
        ASSERT_TRUE(
            waitForWork([this] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; }));
    }
};

} // namespace

// A measurement that begins while a field of the wizard has the keyboard focus (as one
// started over the remote control does): what the user types while the busy page
// shows reaches no field behind it, so no offset is entered or applied.
TEST_F(BusyPageInput, TypingWhileTheBusyPageShowsReachesNoFieldBehindIt)
{
    TransmissionStep* thru = nullptr;
    ASSERT_NO_FATAL_FAILURE(measureThruOnItsPage(thru));
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

// An offset entered by Return covers the page while it is applied, and what is typed
// meanwhile is lost: the rest of the typing must not reach the field to make another
// number of what it shows ("20", then "600" after a lost Ctrl+A and "-", made 2060).
// An edit that the page's cover cuts short is not entered either, and says so.
TEST_F(BusyPageInput, TypingOnWhileTheBusyPageCoversAnOffsetFieldMakesNoOtherNumber)
{
    TransmissionStep* thru = nullptr;
    ASSERT_NO_FATAL_FAILURE(measureThruOnItsPage(thru));
    const auto pageShown = [this] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt(); };
    QQuickItem* field = visible(QStringLiteral("leftOffset"));
    ASSERT_NE(field, nullptr);
    const auto type = [this](const QString& keys) {
        for (const QChar key : keys)
            QTest::keyClick(window, key.toLatin1());
    };
    const auto typeInField = [&](const QString& keys) {
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        type(keys);
    };

    // The worker holds the offset back until the keys typed under the busy page are gone.
    auto release = std::make_shared<QSemaphore>();
    backend->getBackendWorker()->post([release] { release->tryAcquire(1, 30000); });
    typeInField(QStringLiteral("20"));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(thru->leftOffset(), 20.0);
    EXPECT_EQ(pageShown(), 2);
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("-"));
    release->release();
    ASSERT_TRUE(waitForWork([&] { return pageShown() == 0 && thru->appliedFixtureOffset(); }));
    type(QStringLiteral("600"));
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_TRUE(waitForWork([&] { return pageShown() == 0; }));
    EXPECT_EQ(thru->leftOffset(), 20.0);
    EXPECT_EQ(field->property("text").toString(), QStringLiteral("20"));

    // An offset started elsewhere (as over the remote control) covers the page halfway through "-600".
    typeInField(QStringLiteral("-6"));
    thru->applyThruOffset(true);
    ASSERT_TRUE(waitForWork([&] { return pageShown() == 0; }));
    type(QStringLiteral("00"));
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_TRUE(waitForWork([&] { return pageShown() == 0; }));
    EXPECT_EQ(thru->leftOffset(), 20.0);
    EXPECT_EQ(field->property("text").toString(), QStringLiteral("20"));
    QQuickItem* reason = visible(QStringLiteral("leftOffsetRefusal"));
    ASSERT_NE(reason, nullptr);
    EXPECT_EQ(reason->property("text").toString(), QStringLiteral("Typing was interrupted: -6 was not entered"));
}
