#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "tests/qml/walk/WalkSession.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

QRectF shownTextRect(QQuickItem* text)
{
    QRectF shown = text->mapRectToScene(text->boundingRect());
    for (QQuickItem* above = text->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            shown &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    return shown;
}

// The texts below root that show some of themselves, with what of them shows.
void collectShownTexts(QQuickItem* root, QList<QPair<QQuickItem*, QRectF>>& texts)
{
    if (!root->isVisible() || root->opacity() == 0.0)
        return;
    if (root->inherits("QQuickText") && !root->property("text").toString().isEmpty()) {
        const QRectF shown = shownTextRect(root);
        if (!shown.isEmpty())
            texts.append({root, shown});
    }
    for (QQuickItem* child : root->childItems())
        collectShownTexts(child, texts);
}

// A visible scrolled area below root whose content is taller than the area.
bool hidesContentBelow(QQuickItem* root)
{
    if (!root->isVisible())
        return false;
    if (root->inherits("QQuickFlickable") && root->property("contentHeight").toReal() > root->height() + 0.5)
        return true;
    const QList<QQuickItem*> children = root->childItems();
    return std::any_of(children.begin(), children.end(), hidesContentBelow);
}

// The texts of every visible text item below root, shown or scrolled away.
void collectVisibleTexts(QQuickItem* root, QStringList& texts)
{
    if (!root->isVisible() || root->opacity() == 0.0)
        return;
    if (root->inherits("QQuickText"))
        texts.append(root->property("text").toString());
    for (QQuickItem* child : root->childItems())
        collectVisibleTexts(child, texts);
}

// Whether the item's whole width shows, in the window and in every scrolled area around it.
bool acrossInView(QQuickItem* item)
{
    const auto inScene = [](QQuickItem* area) {
        return area->mapRectToScene(QRectF(0, 0, area->width(), area->height()));
    };
    const QRectF rect = inScene(item);
    for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
        const bool bounds = above->inherits("QQuickFlickable") || !above->parentItem();
        const QRectF area = inScene(above);
        if (bounds && (rect.left() < area.left() - 0.5 || rect.right() > area.right() + 0.5))
            return false;
    }
    return true;
}

void collectShownBars(QQuickItem* root, QList<QQuickItem*>& bars)
{
    if (!root->isVisible())
        return;
    if (root->inherits("QQuickScrollBar") && root->property("size").toReal() < 1.0)
        bars.append(root);
    for (QQuickItem* child : root->childItems())
        collectShownBars(child, bars);
}

// The wizard in the smallest window the program allows.
class MinimumWindowTest : public WalkSession
{
protected:
    static bool encloses(QQuickItem* outer, QQuickItem* inner)
    {
        const auto inScene = [](QQuickItem* item) {
            return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        };
        return inScene(outer).contains(inScene(inner));
    }

    // Every step of the stepper inside it, each clear of the next.
    void expectStepsSideBySide() const
    {
        QQuickItem* stepper = visible(QStringLiteral("stepper"));
        ASSERT_NE(stepper, nullptr);
        qreal previousRight = 0;
        for (int step = 0; step < 6; ++step) {
            QQuickItem* element = visible(QStringLiteral("stepperElement%1").arg(step));
            ASSERT_NE(element, nullptr) << step;
            EXPECT_TRUE(encloses(stepper, element)) << step;
            const qreal left = element->mapToScene(QPointF(0, 0)).x();
            EXPECT_GE(left, previousRight) << step;
            previousRight = element->mapToScene(QPointF(element->width(), 0)).x();
        }
    }
};

TEST_F(MinimumWindowTest, KeepsEveryStepAndActionWithinReach)
{
    window->resize(window->minimumWidth(), window->minimumHeight());
    ASSERT_TRUE(reachWizard());

    EXPECT_FALSE(property(QStringLiteral("statusLabel"), "truncated").toBool())
        << property(QStringLiteral("statusLabel"), "text").toString().toStdString();
    expectStepsSideBySide();

    // The low-pass buttons answer a click where they show.
    pressVisible(QStringLiteral("stepperElement2"));
    pressVisible(QStringLiteral("lowPass10MhzMode"));
    EXPECT_TRUE(waitFor([&] { return simulator.model().channel(1).startFrequency == 10e6; }));

    // The results page's buttons stay beside their captions, clear of the help pane.
    pressVisible(QStringLiteral("stepperElement5"));
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    for (const char* action : {"applyCorrection", "saveCorrection", "saveSetup", "saveRawData"}) {
        QQuickItem* button = visible(QString::fromLatin1(action));
        ASSERT_NE(button, nullptr) << action;
        EXPECT_TRUE(encloses(pages, button)) << action;
    }
}

// The connection page with the DUT's own fixture and the check page, taller than the window, show
// their vertical bar before any scrolling.
TEST_F(MinimumWindowTest, ShowsTheVerticalBarOfAPageTallerThanTheWindow)
{
    window->resize(window->minimumWidth(), window->minimumHeight());
    ASSERT_TRUE(reachWizard());
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    pressVisible(QStringLiteral("stepperElement1"));
    pressVisible(QStringLiteral("dutConnection"));
    ASSERT_TRUE(waitFor([&] { return backend->getFixtureSetups()->setup(0)->abDutConnectionEnabled(); }));
    for (int step : {2, 1}) {
        SCOPED_TRACE(step);
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == step; }));
        ASSERT_TRUE(waitFor([&] { return hidesContentBelow(pages); }));
        EXPECT_TRUE(waitFor([&] { return shownBar(pages, Qt::Vertical) != nullptr; }));
    }
}

TEST_F(MinimumWindowTest, ScrollsTheTestModeTableToItsLastRow)
{
    window->resize(window->minimumWidth(), window->minimumHeight());
    ASSERT_TRUE(reachWizard());
    pressShortcut(Qt::Key_F9);
    QQuickItem* table = nullptr;
    ASSERT_TRUE(waitFor([&] { return (table = visible(QStringLiteral("testModeTable"))) != nullptr; }));

    // The table does not scroll itself, so it holds every row and the page scrolls.
    EXPECT_GE(table->height(), table->property("contentHeight").toReal());
    const QList<QQuickItem*> fields = allVisible(QStringLiteral("valueField"));
    ASSERT_FALSE(fields.isEmpty());
    QQuickItem* last = *std::max_element(fields.begin(), fields.end(), [](QQuickItem* a, QQuickItem* b) {
        return a->mapToScene(QPointF(0, 0)).y() < b->mapToScene(QPointF(0, 0)).y();
    });
    press(last);
    EXPECT_TRUE(inView(last));
}

// Two 4-port fixtures side by side are wider than the connection page: it shows its horizontal bar,
// and the bar brings the right fixture's port choices into view.
TEST_F(MinimumWindowTest, ScrollsTheConnectionPageToTheRightFixturesPortChoice)
{
    simulator.setPortCount(4);
    ASSERT_TRUE(reachWizard());
    for (const char* count : {"portsCountA", "portsCountB"}) {
        QQuickItem* combo = visible(QString::fromLatin1(count));
        ASSERT_NE(combo, nullptr) << count;
        QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, 3));
    }
    const NoltAlgorithmsSetup* setup = backend->getFixtureSetups()->setup(0);
    ASSERT_EQ(setup->leftFixtureConn()->fixture()->portsCount(), 4u);
    ASSERT_EQ(setup->rightFixtureConn()->fixture()->portsCount(), 4u);
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    const qreal defaultWidth = pages->width();
    window->resize(window->minimumWidth(), window->minimumHeight());
    // The next click lands on what the smaller window shows, once the pages with many ports are laid out anew.
    ASSERT_TRUE(waitForWork([&] { return pages->width() < defaultWidth; }));

    pressVisible(QStringLiteral("stepperElement1"));
    QQuickItem* bar = nullptr;
    ASSERT_TRUE(waitFor([&] { return (bar = shownBar(pages, Qt::Horizontal)) != nullptr; }));
    const QList<QQuickItem*> choices = allVisible(QStringLiteral("vnaPort0"));
    ASSERT_FALSE(choices.isEmpty());
    QQuickItem* right = *std::max_element(choices.begin(), choices.end(), [](QQuickItem* a, QQuickItem* b) {
        return a->mapToScene(QPointF(0, 0)).x() < b->mapToScene(QPointF(0, 0)).x();
    });
    EXPECT_FALSE(inView(right));

    // A click at the bar's right end takes the content to its right edge.
    const QPointF end = bar->mapToScene(QPointF(bar->width() - 1, bar->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, end.toPoint());
    EXPECT_TRUE(waitFor([&] { return inView(right); }));
}

// The smallest window in English and in Russian: every step's name whole whichever step is current,
// and neither a text nor a scroll bar over another text.
class MinimumWindowTextsTest : public BilingualWalkSession
{
protected:
    void SetUp() override
    {
        BilingualWalkSession::SetUp();
        window->resize(window->minimumWidth(), window->minimumHeight());
        ASSERT_TRUE(reachWizard());
    }

    static void expectApart(QQuickItem* root)
    {
        QList<QPair<QQuickItem*, QRectF>> texts;
        collectShownTexts(root, texts);
        ASSERT_FALSE(texts.isEmpty());
        const auto name = [](QQuickItem* text) { return text->property("text").toString().toStdString(); };
        for (int i = 0; i < texts.size(); ++i) {
            for (int j = i + 1; j < texts.size(); ++j) {
                EXPECT_FALSE(texts[i].second.intersected(texts[j].second).isValid())
                    << name(texts[i].first) << " over " << name(texts[j].first);
            }
        }
        QList<QQuickItem*> bars;
        collectShownBars(root, bars);
        for (QQuickItem* bar : bars) {
            const QRectF covered = bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height()));
            for (const auto& text : texts)
                EXPECT_FALSE(text.second.intersected(covered).isValid()) << "a scroll bar over " << name(text.first);
        }
    }

    // As far down as each scrolled area below root goes.
    static void scrollToEnd(QQuickItem* root)
    {
        if (root->inherits("QQuickFlickable")) {
            const qreal end = root->property("contentHeight").toReal() - root->height();
            root->setProperty("contentY", std::max(0.0, end) + root->property("originY").toReal());
        }
        for (QQuickItem* child : root->childItems())
            scrollToEnd(child);
    }

    // The layouts settle while the next frame is made.
    void settle()
    {
        QSignalSpy drawn(window, &QQuickWindow::frameSwapped);
        window->update();
        EXPECT_TRUE(drawn.wait(10000));
    }

    void expectApartAtTopAndEnd(QQuickItem* root)
    {
        settle();
        {
            SCOPED_TRACE("top");
            expectApart(root);
        }
        scrollToEnd(root);
        settle();
        SCOPED_TRACE("end");
        expectApart(root);
    }
};

TEST_P(MinimumWindowTextsTest, ShowsEveryStepNameWholeWhicheverStepIsCurrent)
{
    QQuickItem* stepper = visible(QStringLiteral("stepper"));
    ASSERT_NE(stepper, nullptr);
    for (int step = 0; step < 6; ++step) {
        SCOPED_TRACE(step);
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == step; }));
        const QList<QQuickItem*> names = allVisible(QStringLiteral("stepName"));
        ASSERT_EQ(names.size(), 6);
        const auto whole = [](QQuickItem* name) {
            return !name->property("truncated").toBool()
                   && name->property("contentWidth").toReal() <= name->width() + 0.5;
        };
        waitFor([&] { return std::all_of(names.begin(), names.end(), whole); });
        for (QQuickItem* name : names) {
            EXPECT_TRUE(whole(name)) << name->property("text").toString().toStdString() << ": " << name->width()
                                     << " wide, needs " << name->property("contentWidth").toReal();
        }
        expectApart(stepper);
    }
}

TEST_P(MinimumWindowTextsTest, KeepsTheSettingsTextsApart)
{
    pressVisible(QStringLiteral("settingsButton"));
    QQuickItem* page = nullptr;
    ASSERT_TRUE(waitFor([&] { return (page = visible(QStringLiteral("settingsPage"))) != nullptr; }));
    // Until the page has faded in, the wizard's texts still show below it.
    ASSERT_TRUE(waitFor([&] { return !property(QStringLiteral("pageStack"), "busy").toBool(); }));
    expectApartAtTopAndEnd(page);
}

// With the DUT's own fixture the page holds two measurements, more than the window's height.
TEST_P(MinimumWindowTextsTest, KeepsTheConnectionTextsApart)
{
    pressVisible(QStringLiteral("stepperElement1"));
    pressVisible(QStringLiteral("dutConnection"));
    ASSERT_TRUE(waitFor([&] { return backend->getFixtureSetups()->setup(0)->abDutConnectionEnabled(); }));
    expectApartAtTopAndEnd(window->contentItem());
}

// The sweep and calibration tables break their texts only between words, and their value fields
// hold what the analyzer has ("Полная 2-портовая") whole.
TEST_P(MinimumWindowTextsTest, KeepsTheCheckTablesWordsWhole)
{
    for (int step : {2, 3}) {
        SCOPED_TRACE(step);
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == step; }));
        settle();
        for (QQuickItem* cell : allVisible(QStringLiteral("cellText"))) {
            const QString text = cell->property("text").toString();
            const int words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
            EXPECT_FALSE(cell->property("truncated").toBool()) << text.toStdString();
            EXPECT_LE(cell->property("lineCount").toInt(), std::max(1, words)) << text.toStdString();
        }
        for (QQuickItem* field : allVisible(QStringLiteral("valueField"))) {
            const qreal room = field->width() - field->property("leftPadding").toReal()
                               - field->property("rightPadding").toReal();
            EXPECT_LE(field->property("contentWidth").toReal(), room + 0.5)
                << field->property("text").toString().toStdString();
        }
    }
}

// Texts broken into lines by hand start each line with its first word, whichever page shows them;
// both fixtures measured by their reflections show the reflection step's texts.
TEST_P(MinimumWindowTextsTest, StartsNoLineWithABlank)
{
    pressVisible(QStringLiteral("stepperElement1"));
    pressVisible(QStringLiteral("abConnection"));
    ASSERT_TRUE(waitFor([&] { return !backend->getFixtureSetups()->setup(0)->abThruConnectionEnabled(); }));
    for (int step = 0; step < 6; ++step) {
        SCOPED_TRACE(step);
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == step; }));
        QStringList texts;
        collectVisibleTexts(window->contentItem(), texts);
        for (const QString& text : texts) {
            for (const QString& line : text.split(QLatin1Char('\n')))
                EXPECT_FALSE(line.startsWith(QLatin1Char(' '))) << text.toStdString();
        }
    }
}

// The 2x-thru step, taller and in a narrower language wider than its room: the right offset field
// and its unit show across or a bar at rest says there is more, and no bar lies over a text.
TEST_P(MinimumWindowTextsTest, KeepsTheThruOffsetFieldsWithinReach)
{
    pressVisible(QStringLiteral("stepperElement4"));
    ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "currentStep").toInt() == 4; }));
    QQuickItem* pages = visible(QStringLiteral("wizardPages"));
    ASSERT_NE(pages, nullptr);
    settle();
    for (const char* name : {"rightOffset", "thruOffsetUnit"}) {
        QQuickItem* shown = visible(QString::fromLatin1(name));
        ASSERT_NE(shown, nullptr) << name;
        EXPECT_TRUE(acrossInView(shown) || WalkSession::shownBar(pages, Qt::Horizontal) != nullptr) << name;
    }
    if (hidesContentBelow(pages)) {
        EXPECT_NE(WalkSession::shownBar(pages, Qt::Vertical), nullptr);
    }
    expectApartAtTopAndEnd(window->contentItem());
}

INSTANTIATE_TEST_SUITE_P(Languages, MinimumWindowTextsTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Russian" : "English";
                         });

} // namespace
