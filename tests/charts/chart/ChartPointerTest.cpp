#include "tests/charts/chart/ChartScene.h"

#include <QTest>

namespace ChartTest {
namespace {

using Orlix::Frontend::Chart;

// Green along the top edge (y = 10, clamped to row 1) and magenta along the
// bottom edge (y = 0, row 139) over x 0 .. 3, red at y = 2.5 (row 105) and
// blue at x = 6 (column 144) over it.
class ChartPointer : public ChartScene
{
protected:
    void SetUp() override
    {
        ChartScene::SetUp();
        top = addTrace(Qt::green, segment({0.0, 10.0}, {3.0, 10.0}));
        bottom = addTrace(Qt::magenta, segment({0.0, 0.0}, {3.0, 0.0}));
        red = addTrace(Qt::red, segment({0.0, 2.5}, {10.0, 2.5}), 0.0);
        blue = addTrace(Qt::blue, segment({6.0, 0.0}, {6.0, 10.0}), 1.0);
        frame();
        sendHover({200, 60}); // the pointer enters the chart away from every trace
    }

    Trace* top = nullptr;
    Trace* bottom = nullptr;
    Trace* red = nullptr;
    Trace* blue = nullptr;
};

TEST_F(ChartPointer, PressesReachTheTraceUnderThePointerAtEveryRow)
{
    QSignalSpy topPressed(top, &Trace::pressed);
    QSignalSpy topClicked(top, &Trace::clicked);
    QSignalSpy bottomPressed(bottom, &Trace::pressed);
    QSignalSpy bluePressed(blue, &Trace::pressed);
    QSignalSpy redPressed(red, &Trace::pressed);

    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(30, 0));
    ASSERT_TRUE(renderUntil([&] { return topClicked.count() == 1; }));
    ASSERT_EQ(topPressed.count(), 1);
    // The press point in data units, y counted upward.
    EXPECT_NEAR(topPressed.first().first().toPointF().x(), 30.0 / 24.0, 1e-9);
    EXPECT_NEAR(topPressed.first().first().toPointF().y(), 10.0, 1e-9);

    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(30, 139));
    ASSERT_TRUE(renderUntil([&] { return bottomPressed.count() == 1; }));

    // Where two traces cross, the one drawn on top answers.
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(144, 105));
    ASSERT_TRUE(renderUntil([&] { return bluePressed.count() == 1; }));
    red->setZ(2.0);
    frame();
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(144, 105));
    ASSERT_TRUE(renderUntil([&] { return redPressed.count() == 1; }));
    EXPECT_EQ(bluePressed.count(), 1);
    EXPECT_EQ(topPressed.count(), 1);
}

TEST_F(ChartPointer, HoverEntersAndLeavesAndOnlyTheLatestMoveCounts)
{
    QSignalSpy redHovered(red, &Trace::hovered);
    QSignalSpy blueHovered(blue, &Trace::hovered);
    sendHover({60, 105});
    ASSERT_TRUE(renderUntil([&] { return redHovered.count() == 1; }));
    EXPECT_TRUE(redHovered.last().at(1).toBool());
    EXPECT_NEAR(redHovered.last().at(0).toPointF().y(), 2.5, 0.1);

    sendHover({60, 60});
    ASSERT_TRUE(renderUntil([&] { return redHovered.count() == 2; }));
    EXPECT_FALSE(redHovered.last().at(1).toBool());

    // Moves between two frames: only where the pointer ended up is looked at.
    sendHover({60, 105});
    sendHover({60, 60});
    sendHover({144, 30});
    ASSERT_TRUE(renderUntil([&] { return blueHovered.count() == 1; }));
    frame();
    QCoreApplication::processEvents();
    EXPECT_EQ(redHovered.count(), 2);
    EXPECT_TRUE(blueHovered.last().at(1).toBool());
}

TEST_F(ChartPointer, PressesStillFindTheirTraceAfterTheAntialiasingChanges)
{
    QSignalSpy redPressed(red, &Trace::pressed);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(60, 105));
    ASSERT_TRUE(renderUntil([&] { return redPressed.count() == 1; }));

    // New frame buffers, the picking one among them, in the frame that answers the press.
    chart->setAntialiasing(true);
    QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(60, 105));
    EXPECT_TRUE(renderUntil([&] { return redPressed.count() == 2; }));
}

TEST_F(ChartPointer, ATraceDestroyedWhileHoveredLeavesNothingBehind)
{
    QSignalSpy blueHovered(blue, &Trace::hovered);
    QSignalSpy redHovered(red, &Trace::hovered);
    sendHover({60, 105});
    frame(); // the renderer now holds the red trace as hovered, and its response
    ASSERT_EQ(redHovered.count(), 0);
    delete red;
    sendHover({144, 30});
    ASSERT_TRUE(renderUntil([&] { return blueHovered.count() == 1; }));
    sendHover({60, 105});
    ASSERT_TRUE(renderUntil([&] { return blueHovered.count() == 2; })) << "blue left for the red trace's empty place";
    EXPECT_FALSE(blueHovered.last().at(1).toBool());
}

TEST_F(ChartPointer, ARubberBandZoomsFromMoreThanTwentyPixelsAndTheRightButtonResets)
{
    QSignalSpy zoomed(chart, &Chart::isZoomedChanged);
    QSignalSpy finished(chart, &Chart::finishedZoomInOperation);
    auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(view.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view.get(), to);
        EXPECT_TRUE(band->isVisible());
        QTest::mouseRelease(view.get(), Qt::LeftButton, {}, to);
        EXPECT_FALSE(band->isVisible());
    };

    drag({100, 40}, {120, 90}); // 20 x 50
    EXPECT_EQ(zoomed.count(), 0);
    EXPECT_EQ(red->domain()->xRange(), QPointF(0.0, 10.0));

    drag({120, 28}, {144, 119}); // dragged past the bottom edge: clamped to 24 x 112
    ASSERT_EQ(zoomed.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    for (Trace* trace : {top, bottom, red, blue}) {
        EXPECT_DOUBLE_EQ(trace->domain()->xRange().x(), 5.0);
        EXPECT_DOUBLE_EQ(trace->domain()->xRange().y(), 6.0);
        EXPECT_DOUBLE_EQ(trace->domain()->yRange().x(), 10.0 - 119.0 / 14.0);
        EXPECT_DOUBLE_EQ(trace->domain()->yRange().y(), 8.0);
    }
    drag({10, 10}, {31, 31}); // 21 x 21 zooms further; the chart stays zoomed
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_EQ(finished.count(), 2);

    QTest::mouseClick(view.get(), Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseClick(view.get(), Qt::RightButton, {}, QPoint(50, 50));
    ASSERT_EQ(zoomed.count(), 2);
    EXPECT_FALSE(zoomed.last().first().toBool());
    EXPECT_EQ(red->domain()->xRange(), QPointF(0.0, 10.0));
    EXPECT_EQ(red->domain()->yRange(), QPointF(0.0, 10.0));
}

} // namespace
} // namespace ChartTest
