#include "tests/qml/walk/WalkSession.h"
#include "tests/support/InRussian.h"

namespace {

// The characterization charts in Russian ("-r") in the window as it opens:
// beside every chart the switch of the user markers reads whole.
class ChartPanelTextTest : public InRussian<WalkSession>
{
};

TEST_F(ChartPanelTextTest, TheUserMarkerSwitchReadsWholeOnEveryChartTab)
{
    ASSERT_TRUE(reachWizard());
    item(QStringLiteral("stepper"))->setProperty("currentIndex", 4);
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("editCharacterization")) != nullptr; }));
    pressVisible(QStringLiteral("editCharacterization"));
    QQuickItem* tabs = nullptr;
    ASSERT_TRUE(waitFor([&] { return (tabs = visible(QStringLiteral("chartTabs"))) != nullptr; }));

    // Length, gating, impedance and the four S-parameter charts.
    for (int tab = 0; tab < 4; ++tab) {
        tabs->setProperty("currentIndex", tab);
        QList<QQuickItem*> switches;
        ASSERT_TRUE(waitFor([&] { return !(switches = allVisible(QStringLiteral("showUserMarkers"))).isEmpty(); }));
        for (QQuickItem* toggle : switches) {
            auto* text = toggle->property("contentItem").value<QQuickItem*>();
            ASSERT_NE(text, nullptr);
            EXPECT_TRUE(waitFor([&] { return !text->property("truncated").toBool(); }))
                << "tab " << tab << ": " << text->property("text").toString().toStdString() << ", "
                << text->width() << " wide";
        }
    }
}

} // namespace
