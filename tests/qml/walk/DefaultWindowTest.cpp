#include "tests/qml/walk/WalkSession.h"

#include <QColor>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

// The window at the size it opens with, in English and in Russian ("-r"): the
// stepper, the footer and the test-mode table have room for their texts, so
// none of them is cut, and the connection page for its cabling, so it shows no
// horizontal scroll bar.
class DefaultWindowTest : public BilingualWalkSession
{
protected:
    // The layouts settle on the next frame after a change, so the texts are given until then.
    static void expectWhole(const QList<QQuickItem*>& texts)
    {
        ASSERT_FALSE(texts.isEmpty());
        waitFor([&] {
            return std::none_of(texts.begin(), texts.end(),
                                [](QQuickItem* text) { return text->property("truncated").toBool(); });
        });
        for (QQuickItem* text : texts) {
            EXPECT_FALSE(text->property("truncated").toBool())
                << text->property("text").toString().toStdString() << ": " << text->width() << " wide, needs "
                << text->implicitWidth();
        }
    }

    // The cabling laid out for the window's width: every fixture's first port choice in view.
    bool portChoicesInView() const
    {
        const QList<QQuickItem*> choices = allVisible(QStringLiteral("vnaPort0"));
        return !choices.isEmpty()
               && std::all_of(choices.begin(), choices.end(), [this](QQuickItem* choice) { return inView(choice); });
    }

    void expectWholeStatus(const char* state) const
    {
        SCOPED_TRACE(state);
        expectWhole({item(QStringLiteral("statusLabel"))});
    }
};

TEST_P(DefaultWindowTest, ShowsTheAnalyzerStatusWhole)
{
    const QString notConnected = property(QStringLiteral("statusLabel"), "text").toString();
    expectWholeStatus("not connected");

    simulator.setReady(false);
    connectAnalyzer();
    ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("statusLabel"), "text").toString() != notConnected; }));
    expectWholeStatus("connected, not ready");

    simulator.setReady(true);
    ASSERT_TRUE(reachWizard());
    expectWholeStatus("ready");
}

TEST_P(DefaultWindowTest, ShowsEveryStepNameWholeWhicheverStepIsCurrent)
{
    ASSERT_TRUE(reachWizard());
    for (int step = 0; step < 6; ++step) {
        SCOPED_TRACE(step);
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == step; }));
        const QList<QQuickItem*> names = allVisible(QStringLiteral("stepName"));
        EXPECT_EQ(names.size(), 6);
        expectWhole(names);
    }
}

TEST_P(DefaultWindowTest, ShowsTheTestModeTableWhole)
{
    ASSERT_TRUE(reachWizard());
    pressShortcut(Qt::Key_F9);
    QQuickItem* table = nullptr;
    ASSERT_TRUE(waitFor([&] { return (table = visible(QStringLiteral("testModeTable"))) != nullptr; }));
    // Names, descriptions and the header's titles, among them the mode's two-part description.
    const QList<QQuickItem*> texts = visibleItemsNamed(table, QStringLiteral("cellText"));
    EXPECT_GE(texts.size(), 2 * table->property("rows").toInt());
    expectWhole(texts);
}

// The chosen method in its box and every method in the opened list.
TEST_P(DefaultWindowTest, ShowsEveryCorrectionMethodWhole)
{
    ASSERT_TRUE(reachWizard());
    QQuickItem* method = nullptr;
    ASSERT_TRUE(waitFor([&] { return (method = visible(QStringLiteral("method"))) != nullptr; }));
    const auto fits = [](QQuickItem* text) {
        return text->implicitWidth() <= text->width() + 0.5;
    };
    auto* chosen = method->property("contentItem").value<QQuickItem*>();
    ASSERT_NE(chosen, nullptr);
    EXPECT_TRUE(waitFor([&] { return fits(chosen); }))
        << chosen->property("text").toString().toStdString() << ": " << chosen->width() << " wide, needs "
        << chosen->implicitWidth();

    auto* list = method->property("popup").value<QObject*>();
    ASSERT_NE(list, nullptr);
    QMetaObject::invokeMethod(list, "open");
    ASSERT_TRUE(waitFor([&] { return list->property("opened").toBool(); }));
    auto* rows = list->property("contentItem").value<QQuickItem*>();
    ASSERT_NE(rows, nullptr);
    QList<QQuickItem*> names;
    for (QQuickItem* row : rows->property("contentItem").value<QQuickItem*>()->childItems()) {
        if (auto* name = row->property("contentItem").value<QQuickItem*>())
            names << name;
    }
    ASSERT_EQ(names.size(), 3);
    for (QQuickItem* name : names) {
        EXPECT_TRUE(waitFor([&] { return fits(name); }))
            << name->property("text").toString().toStdString() << ": " << name->width() << " wide, needs "
            << name->implicitWidth();
        // The rows follow the window's theme, as the chosen name does: light text on a dark list.
        const auto isLight = [](QQuickItem* text) { return text->property("color").value<QColor>().lightnessF() > 0.5; };
        EXPECT_EQ(isLight(name), isLight(chosen)) << name->property("text").toString().toStdString();
    }
    QMetaObject::invokeMethod(list, "close");
}

// Shown first, shown again after another page, and after the window was narrower than the cabling.
TEST_P(DefaultWindowTest, ShowsTheConnectionPageWithoutAHorizontalScrollBar)
{
    ASSERT_TRUE(reachWizard());
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    const QSize defaultSize = window->size();
    const auto expectNoBar = [&](const char* when) {
        SCOPED_TRACE(when);
        ASSERT_TRUE(waitFor([&] { return portChoicesInView(); }));
        EXPECT_EQ(shownBar(pages, Qt::Horizontal), nullptr);
    };

    pressVisible(QStringLiteral("stepperElement1"));
    expectNoBar("first shown");
    pressVisible(QStringLiteral("stepperElement2"));
    pressVisible(QStringLiteral("stepperElement1"));
    expectNoBar("shown again");
    // Narrower than the cabling the page shows its bar; widened again it has none, each time.
    for (const char* round : {"widened once", "widened twice"}) {
        window->resize(window->minimumSize());
        EXPECT_TRUE(waitFor([&] { return !portChoicesInView() && shownBar(pages, Qt::Horizontal) != nullptr; }))
            << round;
        window->resize(defaultSize);
        expectNoBar(round);
    }
}

// The 2x-thru step fits the window it opens with: on its first visit, once laid out and drawn, no bar.
TEST_P(DefaultWindowTest, ShowsTheMeasurementPageWithoutABar)
{
    ASSERT_TRUE(reachWizard());
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    pressVisible(QStringLiteral("stepperElement4"));
    ASSERT_TRUE(waitFor([&] {
        QQuickItem* last = visible(QStringLiteral("reflectsOffsetApplied"));
        return last && inView(last);
    }));
    QSignalSpy drawn(window, &QQuickWindow::frameSwapped);
    window->update();
    ASSERT_TRUE(drawn.wait(10000));
    EXPECT_EQ(shownBar(pages, Qt::Vertical), nullptr);
    EXPECT_EQ(shownBar(pages, Qt::Horizontal), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Languages, DefaultWindowTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Russian" : "English";
                         });

} // namespace
