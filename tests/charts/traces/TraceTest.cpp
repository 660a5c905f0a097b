#include "charts/traces/Trace.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <cmath>

using Orlix::Frontend::TraceDomain;

namespace {

QVector<QPointF> line(int count, double x0, double dx, double y0, double dy)
{
    QVector<QPointF> points;
    for (int k = 0; k < count; ++k)
        points.append({x0 + k * dx, y0 + k * dy});
    return points;
}

TEST(Trace, DomainYReadsTheSlotsAndInterpolatesBetweenThem)
{
    Trace trace;
    EXPECT_EQ(trace.domainY(1.0), 0.0);
    trace.replace(line(11, 0.0, 1.0, 5.0, -2.0)); // y = 5 - 2x on 0 .. 10
    const auto& vertices = trace.renderData()->vertices;
    ASSERT_EQ(vertices.size(), 4096u);
    EXPECT_EQ(trace.domainY(vertices[1234][0]), double(vertices[1234][1]));
    EXPECT_NEAR(trace.domainY(3.3), 5.0 - 6.6, 1e-5);
    EXPECT_NEAR(trace.domainY(9.99), 5.0 - 19.98, 1e-5);
    EXPECT_EQ(trace.domainY(-1.0), 5.0);
    EXPECT_EQ(trace.domainY(11.0), -15.0);
    EXPECT_TRUE(std::isnan(trace.domainY(std::nan(""))));
}

TEST(Trace, DomainYStaysBoundedOnEqualAndNonMonotonicX)
{
    Trace single;
    single.replace({QPointF(2.0, 7.0)});
    EXPECT_EQ(single.domainY(2.0), 7.0);
    EXPECT_EQ(single.domainY(3.0), 7.0);

    Trace vertical; // every slot at x = 1
    vertical.replace({QPointF(1.0, 0.0), QPointF(1.0, 10.0)});
    EXPECT_EQ(vertical.domainY(1.0), 0.0);

    Trace loop; // out and back: beyond the last slot's x reads the last slot
    loop.replace({QPointF(0.0, 0.0), QPointF(10.0, 10.0), QPointF(0.5, 20.0)});
    EXPECT_EQ(loop.domainY(5.0), 20.0);
    EXPECT_NEAR(loop.domainY(0.25), 0.25, 1e-4);

    // Undefined x: no pair brackets x, and the walk ends at the last slot.
    Trace gap;
    gap.replace({QPointF(0.0, 0.0), QPointF(std::nan(""), 1.0), QPointF(10.0, 2.0)});
    EXPECT_EQ(gap.domainY(5.0), 2.0);
}

TEST(Trace, AnEmptyReplacementKeepsTheCurve)
{
    Trace trace;
    trace.replace(line(3, 0.0, 1.0, 1.0, 1.0));
    QVector<QPointF> empty;
    EXPECT_FALSE(trace.replaceOnPtrData(&empty));
    EXPECT_FALSE(trace.replaceOnPtrData(nullptr));
    trace.replace(empty);
    EXPECT_NEAR(trace.domainY(1.0), 2.0, 1e-6);
    QVector<QPointF> points = line(3, 0.0, 1.0, 10.0, 1.0);
    EXPECT_TRUE(trace.replaceOnPtrData(&points));
    EXPECT_NEAR(trace.domainY(1.0), 11.0, 1e-6);
    EXPECT_EQ(trace.renderData()->pendingUpload.count(), 4096);
}

TEST(Trace, ClearingDropsThePointsUntilTheNextReplacement)
{
    Trace trace;
    EXPECT_TRUE(std::isnan(trace.pointsXRange().x()));
    EXPECT_TRUE(std::isnan(trace.pointsXRange().y()));
    // Points out of order: the range is their smallest and largest x.
    trace.replace({QPointF(4.0, 1.0), QPointF(-2.0, 3.0), QPointF(7.5, 2.0)});
    EXPECT_EQ(trace.pointsXRange(), QPointF(-2.0, 7.5));

    Orlix::Frontend::TraceRenderData& data = *trace.renderData();
    data.matrixChanged = false; // as the renderer does when it draws
    trace.clear();
    EXPECT_TRUE(data.vertices.empty());
    EXPECT_TRUE(data.validSlots.isEmpty());
    EXPECT_TRUE(data.pendingUpload.isEmpty());
    EXPECT_TRUE(data.matrixChanged);
    EXPECT_EQ(trace.domainY(1.0), 0.0);
    EXPECT_TRUE(std::isnan(trace.pointsXRange().x()));
    EXPECT_TRUE(std::isnan(trace.pointsXRange().y()));

    // An empty list still keeps what there is, here nothing.
    QVector<QPointF> empty;
    EXPECT_FALSE(trace.replaceOnPtrData(&empty));
    EXPECT_TRUE(data.vertices.empty());

    QVector<QPointF> points = line(3, 10.0, 1.0, 10.0, 1.0);
    EXPECT_TRUE(trace.replaceOnPtrData(&points));
    EXPECT_EQ(data.validSlots.count(), 4096);
    EXPECT_NEAR(trace.domainY(11.0), 11.0, 1e-6);
    EXPECT_EQ(trace.pointsXRange(), QPointF(10.0, 12.0));
}

TEST(Trace, RenderDataChangesOnlyWhenWhatIsDrawnChanges)
{
    Trace trace;
    trace.domain()->setSize({200.0, 100.0});
    trace.domain()->setXRange({0.0, 10.0});
    trace.domain()->setYRange({-1.0, 1.0});
    Orlix::Frontend::TraceRenderData& data = *trace.renderData();
    trace.updateRenderData();
    ASSERT_EQ(data.matrices.size(), 1);
    // Data units to device coordinates: the window's corners go to -1 and 1.
    EXPECT_TRUE(qFuzzyCompare(data.matrices[0].map(QVector3D(0.0f, -1.0f, 0.0f)), QVector3D(-1.0f, -1.0f, -1.0f)));
    EXPECT_TRUE(qFuzzyCompare(data.matrices[0].map(QVector3D(10.0f, 1.0f, 0.0f)), QVector3D(1.0f, 1.0f, -1.0f)));
    EXPECT_FLOAT_EQ(data.minY, -0.98f);
    EXPECT_FLOAT_EQ(data.maxY, 0.98f);

    auto changedAfter = [&](auto&& change) {
        data.matrixChanged = false; // as the renderer does when it draws
        change();
        trace.updateRenderData();
        return data.matrixChanged;
    };
    EXPECT_FALSE(changedAfter([] {}));
    EXPECT_FALSE(changedAfter([] {}));
    EXPECT_TRUE(changedAfter([&] { trace.domain()->setXRange({0.0, 5.0}); }));
    EXPECT_TRUE(changedAfter([&] { trace.setVisible(false); }));
    EXPECT_FALSE(data.visibleForRender);
    EXPECT_TRUE(changedAfter([&] { trace.setColor(Qt::red); }));
    EXPECT_TRUE(changedAfter([&] { trace.setLineWidth(3.0f); }));
    EXPECT_TRUE(changedAfter([&] { trace.domain()->setSize({200.0, 50.0}); }));
    EXPECT_FALSE(changedAfter([&] { trace.setLineWidth(3.00001f); }));

    // An undefined window changes once, not at every refresh.
    EXPECT_TRUE(changedAfter([&] { trace.domain()->setXRange({0.0, qQNaN()}); }));
    EXPECT_FALSE(changedAfter([] {}));
    EXPECT_TRUE(changedAfter([&] { trace.domain()->setYRange({qQNaN(), qQNaN()}); }));
    EXPECT_FALSE(changedAfter([] {}));
    EXPECT_TRUE(changedAfter([&] { trace.domain()->setYRange({-1.0, 1.0}); }));
}

TEST(Trace, TheTraceOwnsItsDomain)
{
    QObject page;
    auto* trace = new Trace(&page);
    QPointer<TraceDomain> domain = trace->domain();
    EXPECT_EQ(domain->parent(), trace);
    delete trace;
    EXPECT_TRUE(domain.isNull());
}

} // namespace
