#include "tests/charts/chart/ChartScene.h"
#include "tests/charts/chart/PaintCounting.h"

#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <atomic>
#include <thread>

namespace ChartTest {
namespace {

using ChartRefresh = ChartScene;

TEST_F(ChartRefresh, CompletesWhileEveryPoolThreadIsBlocked)
{
    Trace* trace = addTrace(Qt::red, segment({0.0, 2.5}, {10.0, 2.5}));
    frame();

    // Remote-control lines hold pool threads while they wait for this thread.
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    QSemaphore started;
    QSemaphore release;
    for (int i = 0; i < threads; ++i)
        pool->start([&] {
            started.release();
            release.acquire();
        });
    started.acquire(threads);

    QSemaphore refreshed;
    std::atomic<bool> rescued{false};
    std::thread watchdog([&] {
        if (!refreshed.tryAcquire(1, 5000)) {
            rescued = true;
            release.release(threads);
        }
    });
    chart->zoomIn(QRectF(0.0, 0.0, 120.0, 70.0)); // refreshes every trace
    const QImage image = frame();
    refreshed.release();
    watchdog.join();
    if (!rescued)
        release.release(threads);
    pool->waitForDone();

    EXPECT_FALSE(rescued) << "the refresh waited for a pool thread";
    // Zoomed to x 0 .. 5, y 5 .. 10: the line at y = 2.5 lies below, clamped to the bottom row.
    const QMatrix4x4 toDevice = trace->renderData()->matrices.value(0);
    EXPECT_TRUE(qFuzzyCompare(toDevice.map(QVector3D(5.0f, 10.0f, 0.0f)), QVector3D(1.0f, 1.0f, -1.0f)));
    EXPECT_EQ(image.pixel(60, 138), qRgb(255, 0, 0));
}

// A chart of its own, over the scene's empty one, with one red line at y = 2.5
// in the data window (0, 10) x (0, 10).
CountingChart* addCountingChart(QQuickItem* parent, const QSizeF& size, Trace** trace = nullptr)
{
    auto* counting = new CountingChart(parent);
    counting->setAntialiasing(false);
    counting->setSize(size);
    auto* line = new Trace(counting);
    line->setColor(Qt::red);
    line->setLineWidth(3.0f);
    line->domain()->setXRange({0.0, 10.0});
    line->domain()->setYRange({0.0, 10.0});
    line->replace(segment({0.0, 2.5}, {10.0, 2.5}));
    counting->addTrace(line);
    if (trace)
        *trace = line;
    return counting;
}

// The red line drawn at y = 2.5 of a 50 pixels high chart, 12.5 pixels above its
// bottom. Polled: the refresh that follows a change comes with the timer.
bool showsTheRedLine(QQuickWindow& window)
{
    return QTest::qWaitFor(
        [&window] {
            const QImage image = window.grabWindow();
            for (int y = 35; y <= 40; ++y)
                if (image.pixel(50, y) == qRgb(255, 0, 0))
                    return true;
            return false;
        },
        5000);
}

TEST_F(ChartRefresh, AsksForAFrameOnlyForNewPointsOrANewWindow)
{
    Trace* trace = nullptr;
    CountingChart* counting = addCountingChart(view->contentItem(), QSizeF(100.0, 50.0), &trace);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting->updates > 0; }, 5000));

    // The refresh timer keeps running every 33 ms: an idle chart asks for nothing.
    EXPECT_TRUE(staysIdle(*counting));

    const int idle = counting->updates;
    trace->replace(segment({0.0, 5.0}, {10.0, 5.0}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->updates > idle; }, 5000));
    const int replaced = counting->updates;
    trace->domain()->setYRange({0.0, 20.0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->updates > replaced; }, 5000));
}

TEST_F(ChartRefresh, AsksForNoFramesWhileItHasNoSizeAndDrawsOnceItHasOne)
{
    CountingChart* counting = addCountingChart(view->contentItem(), QSizeF(0.0, 0.0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting->updates > 0; }, 5000));
    EXPECT_TRUE(staysIdle(*counting));

    // The points given while it had no size are drawn.
    counting->setSize(QSizeF(100.0, 50.0));
    EXPECT_TRUE(showsTheRedLine(*view));
}

TEST_F(ChartRefresh, AsksForNoFramesWhileItsRangeIsUndefined)
{
    Trace* trace = nullptr;
    CountingChart* counting = addCountingChart(view->contentItem(), QSizeF(100.0, 50.0), &trace);
    trace->domain()->setXRange({0.0, qQNaN()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting->updates > 0; }, 5000));
    EXPECT_TRUE(staysIdle(*counting));

    const int idle = counting->updates;
    trace->domain()->setXRange({0.0, 10.0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->updates > idle; }, 5000));
    EXPECT_TRUE(showsTheRedLine(*view));
}

} // namespace
} // namespace ChartTest
