#include "charts/chart/Chart.h"
#include "charts/traces/Trace.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using Orlix::Frontend::Chart;

// A chart outside any window: zoom is the chart's and its domains' own business.
class ChartZoom : public ::testing::Test
{
protected:
    void SetUp() override
    {
        chart.setSize({200.0, 100.0});
        for (Trace* trace : {&a, &b}) {
            trace->domain()->setXRange({0.0, 10.0});
            trace->domain()->setYRange({0.0, 10.0});
            chart.addTrace(trace);
        }
    }

    Chart chart;
    Trace a;
    Trace b;
};

TEST_F(ChartZoom, ZoomsEveryDomainOrNone)
{
    QSignalSpy zoomed(&chart, &Chart::isZoomedChanged);
    b.domain()->setYRange({5.0, 5.0}); // a window that cannot be narrowed
    chart.zoomIn(QRectF(0.0, 0.0, 100.0, 50.0));
    EXPECT_FALSE(chart.isZoomed());
    EXPECT_FALSE(a.domain()->isZoomed());
    EXPECT_EQ(a.domain()->xRange(), QPointF(0.0, 10.0));

    b.domain()->setYRange({0.0, 10.0});
    chart.zoomIn(QRectF(0.0, 0.0, 100.0, 50.0));
    ASSERT_TRUE(chart.isZoomed());
    EXPECT_EQ(a.domain()->xRange(), QPointF(0.0, 5.0));
    EXPECT_EQ(b.domain()->yRange(), QPointF(5.0, 10.0));

    chart.zoomReset();
    EXPECT_EQ(a.domain()->xRange(), QPointF(0.0, 10.0));
    EXPECT_EQ(b.domain()->yRange(), QPointF(0.0, 10.0));
    EXPECT_EQ(zoomed.count(), 2);
}

TEST_F(ChartZoom, ADestroyedTraceLeavesTheChartAndARemovedBandResetsTheZoom)
{
    auto* doomed = new Trace;
    doomed->domain()->setYRange({5.0, 5.0});
    chart.addTrace(doomed);
    delete doomed; // never removed by its owner
    chart.zoomIn(QRectF(0.0, 0.0, 100.0, 50.0));
    EXPECT_TRUE(chart.isZoomed());

    // Taking the rubber band away undoes the zoom.
    QQuickItem band;
    chart.setRubberBand(&band);
    QSignalSpy zoomed(&chart, &Chart::isZoomedChanged);
    chart.setRubberBand(nullptr);
    EXPECT_FALSE(chart.isZoomed());
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_EQ(a.domain()->xRange(), QPointF(0.0, 10.0));
}

} // namespace
