#include "measurement/progress/ProgressManager.h"
#include "measurement/progress/TaskProgress.h"
#include "tests/qml/WindowSession.h"
#include "tests/support/VisibleItems.h"

#include <QColor>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// A see-through colour as it shows over an opaque one.
QColor over(const QColor& top, const QColor& below)
{
    const auto blend = [&](double up, double down) { return up * top.alphaF() + down * (1.0 - top.alphaF()); };
    return QColor::fromRgbF(blend(top.redF(), below.redF()), blend(top.greenF(), below.greenF()),
                            blend(top.blueF(), below.blueF()));
}

QRectF sceneRect(const QQuickItem* item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// The running tasks' list above the footer, as the window shows it in either theme.
class ProgressViewTest : public WindowSession
{
protected:
    static constexpr double ReadableContrast = 4.5;

    QQuickItem* only(const char* name) const
    {
        const QList<QQuickItem*> found = visibleItemsNamed(item(QStringLiteral("progressView")), name);
        return found.size() == 1 ? found.front() : nullptr;
    }

    // The text shows in two colours, each only over its own part of the bar:
    // dark on the bar's colour, the page's text colour on the groove.
    void expectReadableText(const char* state, const QString& text) const
    {
        SCOPED_TRACE(state);
        QQuickItem* bar = only("progressBar");
        QQuickItem* onBar = only("progressText");
        QQuickItem* onGroove = only("progressGrooveText");
        ASSERT_TRUE(bar && onBar && onGroove);
        EXPECT_EQ(onBar->property("text").toString(), text);
        EXPECT_EQ(onGroove->property("text").toString(), text);
        EXPECT_EQ(sceneRect(onBar), sceneRect(onGroove));

        const QRectF groove = sceneRect(bar->property("contentItem").value<QQuickItem*>());
        const qreal fillEnd = groove.left() + bar->property("visualPosition").toReal() * groove.width();
        const QRectF barPart = sceneRect(onBar->parentItem());
        const QRectF groovePart = sceneRect(onGroove->parentItem());
        EXPECT_TRUE(onBar->parentItem()->clip() && onGroove->parentItem()->clip());
        EXPECT_DOUBLE_EQ(barPart.left(), groove.left());
        EXPECT_DOUBLE_EQ(barPart.right(), fillEnd);
        EXPECT_DOUBLE_EQ(groovePart.left(), fillEnd);
        EXPECT_DOUBLE_EQ(groovePart.right(), groove.right());

        const QColor barColour = bar->property("barColor").value<QColor>();
        const QColor grooveColour = over(bar->property("grooveColor").value<QColor>(), window->color());
        EXPECT_GE(contrast(onBar->property("color").value<QColor>(), barColour), ReadableContrast)
            << barColour.name().toStdString();
        EXPECT_GE(contrast(onGroove->property("color").value<QColor>(), grooveColour), ReadableContrast)
            << grooveColour.name().toStdString();
    }

    void expectReadableInBothThemes(const char* state, const QString& text)
    {
        SCOPED_TRACE(state);
        for (const bool dark : {true, false}) {
            settings->setDarkTheme(dark);
            ASSERT_TRUE(waitFor([&] { return window->color() == QColor(dark ? "#121212" : "#FFFFFF"); }));
            expectReadableText(dark ? "dark" : "light", text);
        }
    }

    bool shows(const QString& text) const
    {
        QQuickItem* onBar = only("progressText");
        return onBar && onBar->property("text").toString() == text;
    }

    // Ended: the bar in the error colour at full strength, no band running over it.
    void expectEndedUnfinished() const
    {
        QQuickItem* bar = only("progressBar");
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->property("barColor").value<QColor>(), QColor("#FF453A"));
        EXPECT_DOUBLE_EQ(bar->property("visualPosition").toReal(), 1.0);
        const QList<QQuickItem*> runners = visibleItemsNamed(bar, "progressRunner");
        EXPECT_TRUE(runners.isEmpty());
    }
};

TEST_F(ProgressViewTest, TextReadsOnTheBarAndOnTheGrooveInBothThemes)
{
    TaskProgress task;
    task.setProgressRange(0, 3);
    task.setProgressValueAndText(2, QStringLiteral("Save device state"));
    backend->getProgressManager()->add(&task, QStringLiteral("Transmission"));
    ASSERT_TRUE(waitFor([&] { return shows("Save device state"); }));
    expectReadableInBothThemes("running", "Save device state");

    // Failed, the bar turns red.
    task.cancel();
    ASSERT_TRUE(waitFor([&] { return shows("Failed"); }));
    expectReadableInBothThemes("failed", "Failed");
}

// A task that ends unfinished reads as cancelled (the user asked for it) or failed,
// never as done or still running, until its row goes.
TEST_F(ProgressViewTest, AnUnfinishedTasksRowReadsCancelledOrFailedUntilItGoes)
{
    for (const bool askedFor : {true, false}) {
        SCOPED_TRACE(askedFor);
        const QString ending = askedFor ? "Cancelled" : "Failed";
        auto* task = new TaskProgress;
        task->setProgressRange(0, 3);
        task->nextStep(QStringLiteral("Save device state"));
        backend->getProgressManager()->add(task, QStringLiteral("Transmission"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return shows("Save device state"); }, 10000));
        if (askedFor)
            task->interrupt();
        task->cancel();
        // What the step does after a cancel.
        task->finish();
        ASSERT_TRUE(QTest::qWaitFor([&] { return shows(ending); }, 10000));
        expectEndedUnfinished();

        delete task;
        QCoreApplication::processEvents();
        EXPECT_TRUE(shows(ending));
        expectEndedUnfinished();
        // Rows leave three seconds after their task.
        ASSERT_TRUE(QTest::qWaitFor([&] { return only("progressBar") == nullptr; }, 20000));
    }
}

// The rows take their own room: at the window's usual size the fixture measurement
// page keeps its step whole above them, and a click on its last controls reaches them.
TEST_F(ProgressViewTest, ARowLeavesTheMeasurementPagesControlsReachable)
{
    connectAnalyzer();
    ASSERT_TRUE(waitFor([this] { return property("stepsPage", "visible").toBool(); }));
    item(QStringLiteral("stepper"))->setProperty("currentIndex", 4);
    QQuickItem* page = item(QStringLiteral("stepsPage"));
    ASSERT_TRUE(waitFor([&] { return !visibleItemsNamed(page, "editCharacterization").isEmpty(); }));

    TaskProgress task;
    task.setProgressRange(0, 1);
    backend->getProgressManager()->add(&task, QStringLiteral("Transmission"));
    task.finish();
    ASSERT_TRUE(waitFor([&] { return shows("Finished"); }));
    QQuickItem* rows = item(QStringLiteral("progressView"));
    ASSERT_TRUE(waitFor([&] { return rows->height() > 0 && rows->height() == rows->implicitHeight(); }));

    const QRectF rowsRect = sceneRect(rows);
    for (const char* name : {"reflectsOffsetApplied", "editCharacterization"}) {
        const QList<QQuickItem*> found = visibleItemsNamed(page, name);
        ASSERT_EQ(found.size(), 1) << name;
        EXPECT_LE(sceneRect(found.front()).bottom(), rowsRect.top()) << name;
    }
    QQuickItem* button = visibleItemsNamed(page, "editCharacterization").front();
    const QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    EXPECT_TRUE(waitFor([this] { return property("stepsLayout", "currentIndex").toInt() == 1; }));
}

} // namespace
