#include "tests/core/QmlTestSupport.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QMetaProperty>

TEST_F(QmlTest, ColorFollowsTheThemeTheWindowSets)
{
    QObject* probe = createFromText(R"(
import QtQuick 2.15
import Color 1.0
QtObject {
    property color error: Color.errorBackground
    property color primary: Color.primary
    property color focused: Color.focusedLine
    property color hovered: Color.hoveredLine
    property color disabledLine: Color.disabledLine
    property color text: Color.textHighEmphasis
    property color dutText: Color.noltDUTText
    function setTheme(theme) { Color.theme = theme }
}
)");
    ASSERT_NE(probe, nullptr);
    struct Expected
    {
        int theme;
        const char* focused;
        const char* disabledLine;
        const char* text;
        const char* dutText;
    };
    const QColor primary("#B87333");
    for (const Expected& expected : {Expected{1, "#B87333", "#60000000", "#DE000000", "#b1b2b2"},
                                     Expected{0, "", "#60FFFFFF", "#DEFFFFFF", "white"}}) {
        SCOPED_TRACE(expected.theme);
        QMetaObject::invokeMethod(probe, "setTheme", Q_ARG(QVariant, expected.theme));
        const QColor focused = expected.theme == 0 ? primary.lighter(162) : QColor(expected.focused);
        EXPECT_EQ(probe->property("focused").value<QColor>(), focused);
        EXPECT_EQ(probe->property("hovered").value<QColor>(), focused);
        EXPECT_EQ(probe->property("disabledLine").value<QColor>(), QColor(expected.disabledLine));
        EXPECT_EQ(probe->property("text").value<QColor>(), QColor(expected.text));
        EXPECT_EQ(probe->property("dutText").value<QColor>(), QColor(expected.dutText));
    }
    EXPECT_EQ(probe->property("error").value<QColor>(), QColor("#FF453A"));
    EXPECT_EQ(probe->property("primary").value<QColor>(), primary);
}

TEST_F(QmlTest, UnitsAndIconsNameTheirTextsAndFiles)
{
    QObject* probe = createFromText(R"(
import QtQuick 2.15
import Units 1.0
import IconShortcuts 1.0
QtObject {
    property string ohm: Units.resistanceUnit
    property string seconds: Units.secondsUnit
    property var icons: Icons
}
)");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->property("ohm").toString(), QString(QChar(0x2126)));
    EXPECT_EQ(probe->property("seconds").toString(), "s");

    // Every icon the singleton names is carried in the resources.
    auto* icons = qvariant_cast<QObject*>(probe->property("icons"));
    ASSERT_NE(icons, nullptr);
    const QMetaObject* meta = icons->metaObject();
    int named = 0;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i, ++named) {
        const QUrl url = meta->property(i).read(icons).toUrl();
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + url.path())) << meta->property(i).name();
    }
    EXPECT_EQ(named, 16);
}

TEST_F(QmlTest, StyleReadsItsConfigurationAndRedrawsTheControls)
{
    QObject* label = createFromText(R"(
import QtQuick 2.15
import QtQuick.Controls 2.15
Label { }
)");
    ASSERT_NE(label, nullptr);
    const QFont font = label->property("font").value<QFont>();
    EXPECT_EQ(font.family(), "Roboto");
    EXPECT_EQ(font.pixelSize(), 13);
    // The style's own label takes the text colour of the (dark) theme, where
    // the fallback's label would take the configured light theme's.
    EXPECT_EQ(label->property("color").value<QColor>(), QColor("#DEFFFFFF"));
}
