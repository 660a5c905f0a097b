#include "charts/nodes/ArcNode.h"
#include "charts/nodes/LineNode.h"
#include "charts/nodes/SmoothColorGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Orlix::Frontend;

namespace {

const SmoothColorVertex* vertices(QSGGeometryNode& node)
{
    return static_cast<const SmoothColorVertex*>(node.geometry()->vertexData());
}

// Every index of the strip names a vertex of the geometry.
void expectIndicesInRange(QSGGeometryNode& node)
{
    const QSGGeometry* geometry = node.geometry();
    const quint32* indices = geometry->indexDataAsUInt();
    for (int i = 0; i < geometry->indexCount(); ++i)
        ASSERT_LT(indices[i], quint32(geometry->vertexCount()));
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

} // namespace

TEST(ArcNodeTest, ArcHasOneSegmentPerFivePixelsWithCoreAndFringeVertices)
{
    ArcNode node;
    const QColor red(255, 0, 0, 128);
    node.update({{50, 50}, 100.0, 0.0, M_PI / 2}, 2.0f, red, true);
    // A quarter circle of radius 100 is about 157 pixels long: 32 segments, 33 steps.
    EXPECT_EQ(node.geometry()->vertexCount(), 33 * 4);
    EXPECT_EQ(node.geometry()->indexCount(), 33 * 6 + 4);
    EXPECT_EQ(node.geometry()->drawingMode(), unsigned(QSGGeometry::DrawTriangleStrip));
    expectIndicesInRange(node);

    const SmoothColorVertex* v = vertices(node);
    // The last step's outer edge lies straight below the centre at radius + half width.
    const SmoothColorVertex& lastOuter = v[32 * 4];
    EXPECT_NEAR(lastOuter.x, 50.0, 1e-4);
    EXPECT_NEAR(lastOuter.y, 151.0, 1e-4);
    EXPECT_NEAR(v[32 * 4 + 1].y, 149.0, 1e-4);
    // Premultiplied colour: half-transparent red is (128, 0, 0, 128).
    EXPECT_EQ(int(v[0].r), 128);
    EXPECT_EQ(int(v[0].g), 0);
    EXPECT_EQ(int(v[0].a), 128);
    // The outer fringe sits on the outer edge, transparent, offset outwards by 0.4 x width.
    EXPECT_EQ(v[2].x, v[0].x);
    EXPECT_EQ(int(v[2].a), 0);
    EXPECT_NEAR(v[2].dx, 0.8, 1e-6);
    EXPECT_NEAR(v[3].dx, -0.8, 1e-6);

    node.update({{50, 50}, 100.0, 0.0, M_PI / 2}, 2.0f, red, false);
    EXPECT_EQ(node.geometry()->vertexCount(), 33 * 2);
    EXPECT_EQ(node.geometry()->indexCount(), 33 * 2);
}

TEST(ArcNodeTest, FullCircleAndEndAngleBeforeStartSweepTheRightWay)
{
    ArcNode node;
    node.update({{0, 0}, 10.0, 0.0, 2 * M_PI}, 1.0f, Qt::black, false);
    EXPECT_EQ(node.geometry()->vertexCount(), 13 * 2 + 2); // 2 pi x 10 / 5 -> 13 segments

    // From 3/2 pi to pi/2 runs through 0: half a circle on the right.
    node.update({{0, 0}, 10.0, 1.5 * M_PI, 0.5 * M_PI}, 1.0f, Qt::black, false);
    const SmoothColorVertex* v = vertices(node);
    const int steps = node.geometry()->vertexCount() / 2;
    EXPECT_GT(v[(steps / 2) * 2].x, 9.0f);
}

TEST(ArcNodeTest, NonFiniteOrAbsurdArcsDrawNothingOrABoundedCircle)
{
    ArcNode node;
    for (const Arc& arc : {Arc{{0, 0}, notANumber, 0.0, 1.0}, Arc{{0, 0}, infinity, 0.0, 1.0}, Arc{{0, 0}, 10.0, notANumber, 1.0},
                           Arc{{0, 0}, 10.0, 0.0, infinity}, Arc{{notANumber, 0}, 10.0, 0.0, 1.0}, Arc{{0, 0}, -5.0, 0.0, 1.0}}) {
        node.update(arc, 1.0f, Qt::black, true);
        EXPECT_EQ(node.geometry()->vertexCount(), 0);
        EXPECT_EQ(node.geometry()->indexCount(), 0);
    }
    node.update({{0, 0}, 1e12, 0.0, 2 * M_PI}, 1.0f, Qt::black, false);
    EXPECT_EQ(node.geometry()->vertexCount(), (ArcNode::maxSegments + 1) * 2);
}

TEST(LineNodeTest, LineIsAQuadAroundItsAxisMovedToPixelCentresWithAntialiasing)
{
    LineNode node;
    node.update(QLine(0, 0, 10, 0), 2.0f, Qt::blue, false);
    ASSERT_EQ(node.geometry()->vertexCount(), 4);
    EXPECT_EQ(node.geometry()->indexCount(), 4);
    const SmoothColorVertex* v = vertices(node);
    EXPECT_FLOAT_EQ(v[0].x, 0.0f);
    EXPECT_FLOAT_EQ(v[0].y, 1.0f);
    EXPECT_FLOAT_EQ(v[1].y, -1.0f);
    EXPECT_FLOAT_EQ(v[2].x, 10.0f);
    EXPECT_EQ(int(v[0].b), 255);

    node.update(QLine(0, 0, 10, 0), 2.0f, Qt::blue, true);
    ASSERT_EQ(node.geometry()->vertexCount(), 8);
    expectIndicesInRange(node);
    v = vertices(node);
    EXPECT_FLOAT_EQ(v[0].x, 0.5f);
    EXPECT_FLOAT_EQ(v[0].y, 1.5f);
    EXPECT_FLOAT_EQ(v[2].dy, 0.8f);
    EXPECT_FLOAT_EQ(v[3].dy, -0.8f);
}

TEST(LineNodeTest, LineOfZeroLengthDrawsNothing)
{
    LineNode node;
    node.update(QLine(5, 5, 5, 5), 1.0f, Qt::blue, true);
    EXPECT_EQ(node.geometry()->vertexCount(), 0);
    EXPECT_EQ(node.geometry()->indexCount(), 0);
}
