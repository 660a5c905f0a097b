#include "tests/core/QmlTestSupport.h"

#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

namespace {

// Every control that loads without objects of other subsystems.
const QStringList selfContainedControls = {
    "AlignedScrollPane", "ColorImage", "DecoratedWindow", "EditEndingTapHandler", "Effect", "EffectInvert",
    "ErrorSwipeDelegate", "MessageSwipeDelegate", "NoltApplicationWindow", "NoltBottomBar",
    "NoltDUT", "NoltErrorLabel", "NoltErrorTextField", "NoltFixture", "NoltFixtureTabBar",
    "NoltHelpPageGroup", "NoltHelpPane", "NoltLabel", "NoltLizard", "NoltMainMenu",
    "NoltMeasureCheckmark", "NoltMenuButton", "NoltMessageDialog", "NoltNamedTextField",
    "NoltNamedToolTip", "NoltPage", "NoltRemovableTabButton", "NoltSeparator", "NoltShadowPane",
    "NoltVNAFixtureConnection", "NoltVnaTable", "NoltWarning", "OffsetValidatedTextField",
    "PageWithReturn", "Port", "PortMeasureDataPane", "ProgressView", "StatusButton", "Stepper",
    "StepperElement", "TouchstoneDialog", "WindowButton",
};

} // namespace

TEST_F(QmlTest, EveryControlLoadsInItsPlainAndStyledVersion)
{
    QQuickWindow window;
    for (const QString& name : selfContainedControls) {
        SCOPED_TRACE(name.toStdString());
        for (QObject* object : {create(plainEngine(), control(name)), create(engine(), styledControl(name))}) {
            ASSERT_NE(object, nullptr);
            if (auto* item = qobject_cast<QQuickItem*>(object))
                item->setParentItem(window.contentItem());
        }
    }
    // One frame with everything in it, so that drawing code (shaders, canvas) runs too.
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
}

TEST_F(QmlTest, StyledControlsAreTheStyleVariants)
{
    // The application's engine picks the style's variant for a plain address.
    QObject* field = create(engine(), control("NoltErrorTextField"));
    ASSERT_NE(field, nullptr);
    field->setProperty("result", 2);
    QObject* background = qvariant_cast<QObject*>(field->property("background"));
    ASSERT_NE(background, nullptr);
    // The style's variant draws a bottom line, the plain version a frame.
    EXPECT_EQ(background->property("color").value<QColor>(), QColor("#FF453A"));
}
