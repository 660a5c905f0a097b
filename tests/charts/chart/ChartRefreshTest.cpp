#include "tests/charts/chart/ChartScene.h"

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

// Counts its paint-node updates, which only a repaint that it asked for brings.
class CountingChart : public Orlix::Frontend::Chart
{
public:
    using Chart::Chart;
    std::atomic<int> updates{0};

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override
    {
        ++updates;
        return Chart::updatePaintNode(oldNode, data);
    }
};

TEST_F(ChartRefresh, AsksForAFrameOnlyForNewPointsOrANewWindow)
{
    auto* counting = new CountingChart(view->contentItem());
    counting->setSize(QSizeF(100.0, 50.0));
    auto* trace = new Trace(counting);
    trace->domain()->setXRange({0.0, 10.0});
    trace->domain()->setYRange({0.0, 10.0});
    trace->replace(segment({0.0, 2.5}, {10.0, 2.5}));
    counting->addTrace(trace);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counting->updates > 0; }, 5000));
    QTest::qWait(100); // frames already asked for are drawn

    // The refresh timer keeps running every 33 ms: an idle chart asks for nothing.
    const int idle = counting->updates;
    QTest::qWait(200);
    EXPECT_EQ(counting->updates, idle);

    trace->replace(segment({0.0, 5.0}, {10.0, 5.0}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->updates > idle; }, 5000));
    const int replaced = counting->updates;
    trace->domain()->setYRange({0.0, 20.0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return counting->updates > replaced; }, 5000));
}

} // namespace
} // namespace ChartTest
