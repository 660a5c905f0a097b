#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "tests/qml/walk/WalkSession.h"

#include <QTest>

#include <algorithm>

namespace {

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
    // Whichever step is current keeps its whole name, the longest one too.
    for (int step = 0; step < 6; ++step) {
        pressVisible(QStringLiteral("stepperElement%1").arg(step));
        expectStepsSideBySide();
        const QList<QQuickItem*> name = visibleItemsNamed(visible(QStringLiteral("stepperElement%1").arg(step)),
                                                          QStringLiteral("stepName"));
        ASSERT_EQ(name.size(), 1) << step;
        EXPECT_TRUE(waitFor([&] { return !name.front()->property("truncated").toBool(); }))
            << name.front()->property("text").toString().toStdString();
    }

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

TEST_F(MinimumWindowTest, ScrollsTheTestModeTableToItsLastRow)
{
    window->resize(window->minimumWidth(), window->minimumHeight());
    ASSERT_TRUE(reachWizard());
    QTest::keyClick(window, Qt::Key_F9);
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
    ASSERT_TRUE(waitFor([&] { return (bar = shownHorizontalBar(pages)) != nullptr; }));
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

} // namespace
