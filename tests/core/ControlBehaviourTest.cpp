#include "tests/core/QmlTestSupport.h"

#include <QColor>
#include <QSignalSpy>
#include <QTest>

TEST_F(QmlTest, WindowThemeSetsTheMaterialAttributes)
{
    QObject* window = createFromText(R"(
import QtQuick 2.15
import QtQuick.Controls.Material 2.15
import "../controls"
NoltApplicationWindow {
    theme: NoltApplicationWindow.UiTheme.Light
    property int materialTheme: Material.theme
    property color primary: Material.primary
    property color accent: Material.accent
    property color materialBackground: Material.background
    property color materialForeground: Material.foreground
    function useDark() { theme = NoltApplicationWindow.UiTheme.Dark }
}
)");
    ASSERT_NE(window, nullptr);
    struct Expected
    {
        int materialTheme;
        const char* background;
        const char* foreground;
    };
    // Created light, then switched to dark.
    for (const Expected& expected : {Expected{0, "#FFFFFF", "#212121"}, Expected{1, "#121212", "#E0E0E0"}}) {
        SCOPED_TRACE(expected.background);
        EXPECT_EQ(window->property("materialTheme").toInt(), expected.materialTheme);
        EXPECT_EQ(window->property("primary").value<QColor>(), QColor("#6CA7EB"));
        EXPECT_EQ(window->property("accent").value<QColor>(), QColor("#EEA260"));
        EXPECT_EQ(window->property("materialBackground").value<QColor>(), QColor(expected.background));
        EXPECT_EQ(window->property("materialForeground").value<QColor>(), QColor(expected.foreground));
        QMetaObject::invokeMethod(window, "useDark");
    }
}

TEST_F(QmlTest, WarningShowsEachVerdictsIconAndColour)
{
    QObject* warning = create(engine(), control("NoltWarning"), {{"neutralColor", QColor("#123456")}});
    ASSERT_NE(warning, nullptr);
    struct Expected
    {
        QVariant type;
        const char* icon;
        const char* colour;
        const char* title;
    };
    for (const Expected& expected : {Expected{0, "qrc:/core/icons/checkMark.svg", "#32D74B", "Correct"},
                                     Expected{1, "qrc:/core/icons/warning.svg", "#FFD60A", "Warning"},
                                     Expected{2, "qrc:/core/icons/error.svg", "#FF453A", "Error"},
                                     Expected{QVariant(), "", "#123456", ""}}) {
        SCOPED_TRACE(expected.colour);
        warning->setProperty("type", expected.type);
        EXPECT_EQ(warning->property("icon").toUrl().toString(), expected.icon);
        EXPECT_EQ(warning->property("color").value<QColor>(), QColor(expected.colour));
        auto* toolTip = qvariant_cast<QObject*>(warning->property("toolTip"));
        ASSERT_NE(toolTip, nullptr);
        EXPECT_EQ(toolTip->property("title").toString(), expected.title);
    }
}

TEST_F(QmlTest, MeasureCheckmarkShowsOnlyMeasuredOrFailedStatus)
{
    QObject* mark = create(engine(), control("NoltMeasureCheckmark"));
    ASSERT_NE(mark, nullptr);
    struct Expected
    {
        QVariant status;
        bool visible;
        int type;
        bool hover;
    };
    for (const Expected& expected : {Expected{QVariant(), false, 2, true}, Expected{0, false, 2, true},
                                     Expected{1, true, 0, false}, Expected{2, true, 2, true}}) {
        SCOPED_TRACE(expected.status.toInt());
        mark->setProperty("status", expected.status);
        EXPECT_EQ(mark->property("visible").toBool(), expected.visible);
        EXPECT_EQ(mark->property("type").toInt(), expected.type);
        EXPECT_EQ(mark->property("enableHover").toBool(), expected.hover);
    }
}

TEST_F(QmlTest, StepperClickChoosesTheStepOnlyWhileClickable)
{
    QObject* stepper = createFromText(R"(
import QtQuick 2.15
import "../controls"
Stepper {
    StepperElement { text: "Description"; done: true }
    StepperElement { text: "Fixture connection" }
    StepperElement { text: "VNA setup"; hasError: 2; alertMessage: "Sweep type" }
}
)");
    ASSERT_NE(stepper, nullptr);
    QQuickWindow& window = show(stepper);
    const auto click = [&](int element) {
        const QList<QQuickItem*> found = visibleItemsNamed(stepper, QStringLiteral("stepperElement%1").arg(element));
        ASSERT_EQ(found.size(), 1);
        const QPointF centre = found.first()->mapToScene(QPointF(found.first()->width() / 2, found.first()->height() / 2));
        QTest::mouseClick(&window, Qt::LeftButton, {}, centre.toPoint());
    };

    click(2);
    EXPECT_EQ(stepper->property("currentIndex").toInt(), 2);
    click(0);
    EXPECT_EQ(stepper->property("currentIndex").toInt(), 0);

    stepper->setProperty("clickable", false);
    click(1);
    EXPECT_EQ(stepper->property("currentIndex").toInt(), 0);
}

TEST_F(QmlTest, MessageDialogButtonsAcceptOrDiscard)
{
    for (const char* button : {"acceptButton", "discardButton"}) {
        SCOPED_TRACE(button);
        QObject* page = createFromText(R"(
import QtQuick 2.15
import "../controls"
Item {
    property alias dialog: dialog
    NoltMessageDialog {
        id: dialog
        title: "Plug-in preset"
        acceptText: "Perform"
        discardText: "Cancel"
    }
}
)");
        ASSERT_NE(page, nullptr);
        show(page);
        auto* dialog = qvariant_cast<QObject*>(page->property("dialog"));
        QSignalSpy accepted(dialog, SIGNAL(accepted()));
        QSignalSpy discarded(dialog, SIGNAL(discarded()));
        QMetaObject::invokeMethod(dialog, "open");

        const QList<QQuickItem*> found = visibleItemsNamed(qvariant_cast<QObject*>(dialog->property("footer")), button);
        ASSERT_EQ(found.size(), 1);
        const bool accepting = QString(button) == "acceptButton";
        EXPECT_EQ(found.first()->property("text").toString(), accepting ? "Perform" : "Cancel");
        QMetaObject::invokeMethod(found.first(), "clicked");

        EXPECT_EQ(accepted.count(), accepting ? 1 : 0);
        EXPECT_EQ(discarded.count(), accepting ? 0 : 1);
        EXPECT_FALSE(dialog->property("opened").toBool());
    }
}

TEST_F(QmlTest, PageWithReturnNamesWhereItReturnsTo)
{
    QObject* page = create(engine(), control("PageWithReturn"), {{"returnAdditionalText", "plug-in"}});
    ASSERT_NE(page, nullptr);
    const QList<QQuickItem*> found = visibleItemsNamed(qvariant_cast<QObject*>(page->property("header")), "returnButton");
    ASSERT_EQ(found.size(), 1);
    QObject* button = found.first();
    EXPECT_EQ(button->property("text").toString(), "Return to plug-in");
    page->setProperty("returnAdditionalText", QString());
    EXPECT_EQ(button->property("text").toString(), "Return");

    QSignalSpy returned(page, SIGNAL(returnMe()));
    QMetaObject::invokeMethod(button, "clicked");
    EXPECT_EQ(returned.count(), 1);
}

TEST_F(QmlTest, OffsetFieldAcceptsPicosecondsUpToTenThousand)
{
    QObject* field = create(engine(), control("OffsetValidatedTextField"));
    ASSERT_NE(field, nullptr);
    struct Case
    {
        const char* text;
        bool acceptable;
    };
    for (const Case& c : {Case{"12.5", true}, Case{"-1234.56", true}, Case{"+9999", true}, Case{"10000", true},
                          Case{"-10000", true}, Case{"12.345", false}, Case{"12345", false},
                          Case{"10001", false}, Case{"1e3", false}, Case{"12,5", false}}) {
        SCOPED_TRACE(c.text);
        field->setProperty("text", QString::fromLatin1(c.text));
        EXPECT_EQ(field->property("acceptableInput").toBool(), c.acceptable);
    }
}

TEST_F(QmlTest, ChosenFileAddressBecomesAPlainPath)
{
    QObject* probe = createFromText(R"(
import QtQml 2.15
import "../controls/FilePath.js" as FilePath
QtObject {
    property string windows: FilePath.fromUrl("file:///C:/VNA%20data/%D0%B0.s2p", true)
    property string unix: FilePath.fromUrl("file:///home/user/a%20b.s2p", false)
    property string windowsShare: FilePath.fromUrl(Qt.resolvedUrl("file://lab-server/VNA%20data/x.s2p"), true)
    property string unixShare: FilePath.fromUrl("file://lab-server/share/x.s2p", false)
}
)");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->property("windows").toString(), QString::fromUtf8("C:/VNA data/а.s2p"));
    EXPECT_EQ(probe->property("unix").toString(), "/home/user/a b.s2p");
    // A network share keeps its host, as the two leading slashes of a UNC path.
    EXPECT_EQ(probe->property("windowsShare").toString(), "//lab-server/VNA data/x.s2p");
    EXPECT_EQ(probe->property("unixShare").toString(), "//lab-server/share/x.s2p");
}
