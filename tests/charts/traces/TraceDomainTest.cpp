#include "charts/traces/TraceDomain.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using Orlix::Frontend::TraceDomain;

namespace {

class Domain : public ::testing::Test
{
protected:
    void SetUp() override
    {
        domain.setXRange({1e9, 3e9});
        domain.setYRange({-40.0, 10.0});
        domain.setSize({400.0, 250.0});
    }

    TraceDomain domain;
};

TEST_F(Domain, MapsDataToPixelsAndBack)
{
    EXPECT_DOUBLE_EQ(domain.domainToGeometryX(2e9), 200.0);
    EXPECT_DOUBLE_EQ(domain.domainToGeometryY(-40.0), 0.0);
    EXPECT_DOUBLE_EQ(domain.domainToGeometryY(10.0), 250.0);
    for (const QPointF data : {QPointF(1e9, -40.0), QPointF(1.234e9, 3.5), QPointF(5e9, -100.0)}) {
        const QPointF back = domain.domainPoint(domain.geometryPoint(data));
        EXPECT_NEAR(back.x(), data.x(), 1e-3);
        EXPECT_NEAR(back.y(), data.y(), 1e-12);
    }
    EXPECT_NEAR(domain.geometryToDomainX(domain.domainToGeometryX(1.5e9)), 1.5e9, 1e-3);
    EXPECT_NEAR(domain.geometryToDomainY(domain.domainToGeometryY(-7.0)), -7.0, 1e-12);
}

TEST_F(Domain, SettersSignalRealChangesOnly)
{
    QSignalSpy xChanged(&domain, &TraceDomain::xRangeChanged);
    QSignalSpy yChanged(&domain, &TraceDomain::yRangeChanged);
    QSignalSpy sizeChanged(&domain, &TraceDomain::sizeChanged);
    domain.setXRange({1e9 * (1 + 1e-14), 3e9});
    domain.setSize({400.0, 250.0});
    EXPECT_EQ(xChanged.count(), 0);
    EXPECT_EQ(sizeChanged.count(), 0);

    domain.setYRange({0.0, 10.0});
    domain.shiftYRange(1.0);
    EXPECT_EQ(domain.yRange(), QPointF(1.0, 11.0));
    EXPECT_EQ(yChanged.count(), 2);
}

TEST_F(Domain, ZoomNarrowsTheWindowAndResetRestoresTheOneBeforeTheFirstStep)
{
    QSignalSpy zoomed(&domain, &TraceDomain::zoomedChanged);
    ASSERT_TRUE(domain.zoomTo(QRectF(0.0, 0.0, 400.0, 250.0)));
    EXPECT_EQ(domain.xRange(), QPointF(1e9, 3e9));
    EXPECT_EQ(domain.yRange(), QPointF(-40.0, 10.0));
    EXPECT_TRUE(domain.isZoomed());

    // Pixels are y downward: the band's top edge is the new y maximum.
    ASSERT_TRUE(domain.zoomTo(QRectF(100.0, 50.0, 200.0, 100.0)));
    EXPECT_DOUBLE_EQ(domain.xRange().x(), 1.5e9);
    EXPECT_DOUBLE_EQ(domain.xRange().y(), 2.5e9);
    EXPECT_DOUBLE_EQ(domain.yRange().x(), -20.0);
    EXPECT_DOUBLE_EQ(domain.yRange().y(), 0.0);
    EXPECT_EQ(zoomed.count(), 1);

    domain.resetZoom();
    EXPECT_EQ(domain.xRange(), QPointF(1e9, 3e9));
    EXPECT_EQ(domain.yRange(), QPointF(-40.0, 10.0));
    EXPECT_FALSE(domain.isZoomed());
    domain.resetZoom();
    EXPECT_EQ(zoomed.count(), 2);
}

TEST_F(Domain, RefusesToZoomADegenerateWindowOrAnEmptyItem)
{
    const QRectF band(10.0, 10.0, 50.0, 50.0);
    domain.setYRange({5.0, 5.0});
    EXPECT_FALSE(domain.canZoomTo(band));
    EXPECT_FALSE(domain.zoomTo(band));
    domain.setYRange({-40.0, 10.0});
    domain.setSize({0.0, 0.0});
    EXPECT_FALSE(domain.canZoomTo(band));
    EXPECT_FALSE(domain.zoomTo(band));
    EXPECT_FALSE(domain.isZoomed());
    EXPECT_EQ(domain.xRange(), QPointF(1e9, 3e9));
}

} // namespace
