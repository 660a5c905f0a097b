#include "charts/traces/Trace.h"
#include "tests/charts/chart/PaintCounting.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTest>

#include <gtest/gtest.h>

namespace ChartTest {
namespace {

// The scene graph backend is chosen once per process, before the first window:
// this suite has a process of its own.
class SoftwareChartRefresh : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software); }
};

TEST_F(SoftwareChartRefresh, AsksForAFrameOnlyForAChangeWithoutATraceRenderer)
{
    QQuickWindow window;
    window.resize(200, 100);
    auto* chart = new CountingChart(window.contentItem());
    chart->setSize(QSizeF(200.0, 100.0));
    auto* trace = new Trace(chart);
    trace->domain()->setXRange({0.0, 10.0});
    trace->domain()->setYRange({0.0, 10.0});
    trace->replace({{0.0, 2.5}, {10.0, 2.5}});
    chart->addTrace(trace);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->updates > 0; }, 5000));

    EXPECT_TRUE(staysIdle(*chart));

    const int idle = chart->updates;
    trace->replace({{0.0, 5.0}, {10.0, 5.0}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart->updates > idle; }, 5000));
    EXPECT_TRUE(staysIdle(*chart));
}

} // namespace
} // namespace ChartTest
