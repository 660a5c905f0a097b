#include "charts/grids/CircleClipping.h"
#include "charts/grids/PolarGridGeometry.h"
#include "charts/grids/SmithGridGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Orlix::Frontend;

namespace {

QPointF pointOn(const Arc& arc, double angle)
{
    return arc.centre + QPointF(std::cos(angle), std::sin(angle)) * arc.radius;
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double sweepOf(const Arc& arc)
{
    const double sweep = std::fmod(arc.endAngle - arc.startAngle, 2 * M_PI);
    return sweep < 0 ? sweep + 2 * M_PI : sweep;
}

bool isFinite(const Arc& arc)
{
    return std::isfinite(arc.centre.x()) && std::isfinite(arc.centre.y()) && std::isfinite(arc.radius)
           && std::isfinite(arc.startAngle) && std::isfinite(arc.endAngle);
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

} // namespace

TEST(CircleClippingTest, KeepsThePartOfTheCircleInsideTheClip)
{
    const Circle rim{{0, 0}, 10};
    // A circle centred on the rim: its part inside runs through the point nearest the rim's centre.
    const Arc arc = clipCircle({{10, 0}, 5}, rim);
    ASSERT_FALSE(arc.isEmpty());
    EXPECT_NEAR(distance(pointOn(arc, arc.startAngle), rim.centre), 10, 1e-9);
    EXPECT_NEAR(distance(pointOn(arc, arc.endAngle), rim.centre), 10, 1e-9);
    EXPECT_NEAR(pointOn(arc, arc.startAngle + sweepOf(arc) / 2).x(), 5, 1e-9);

    EXPECT_TRUE(clipCircle({{30, 0}, 5}, rim).isEmpty());     // apart
    EXPECT_TRUE(clipCircle({{0, 0}, 20}, rim).isEmpty());     // encloses the clip
    EXPECT_TRUE(clipCircle(rim, rim).isEmpty());              // identical
    EXPECT_DOUBLE_EQ(clipCircle({{5, 0}, 5}, rim).endAngle, 2 * M_PI); // inside, touching
}

// Circles that touch, placed so that rounding finds an overlap but no common chord.
TEST(CircleClippingTest, TouchingCirclesGiveTheWholeCircleOrNothingInsteadOfNaN)
{
    const Arc inside = clipCircle({{-0.47263009713696835, 5.105176354575114}, 0.3800660095610249},
                                  {{-3.307412874552184, 4.8400603396626565}, 3.2272189553110393});
    EXPECT_TRUE(isFinite(inside));
    EXPECT_DOUBLE_EQ(inside.endAngle, 2 * M_PI);
    const Arc outside = clipCircle({{-11.124290374879148, -1.2379926672661572}, 1.3734969492696005},
                                   {{-4.148509518216514, 2.294017149136814}, 6.4454935164713465});
    EXPECT_TRUE(outside.isEmpty());
    EXPECT_TRUE(isFinite(outside));

    EXPECT_TRUE(clipLine({50, 0}, {50, 1}, {{0, 0}, 10}).isNull());
    EXPECT_TRUE(clipLine({5, 5}, {5, 5}, {{0, 0}, 10}).isNull());
    EXPECT_EQ(clipLine({0, -20}, {0, 20}, {{0, 0}, 10}), QLine(0, 10, 0, -10));
}

// With scale 1 the resistance circles r = 0.2, 0.5, 1, 2, 5 are whole circles
// centred at R r / (1 + r) right of the centre with radius R / (1 + r); the
// reactance arc x = 1 runs from the rim's right end (reflection 1) to its top (j).
TEST(SmithGridGeometryTest, CirclesLieWhereTheSmithChartPutsThem)
{
    const SmithGridGeometry grid = smithGridGeometry({200, 200}, 1.0, false);
    const QPointF centre(100, 100);
    const double rim = 100;
    for (double r : {0.2, 0.5, 1.0, 2.0, 5.0}) {
        const QPointF expected = centre + QPointF(rim * r / (1 + r), 0);
        bool found = false;
        for (const Arc& arc : grid.innerArcs)
            found = found
                    || (distance(arc.centre, expected) <= 1.0 && std::abs(arc.radius - rim / (1 + r)) <= 1.0
                        && arc.startAngle == 0.0 && arc.endAngle == 2 * M_PI);
        EXPECT_TRUE(found) << "resistance " << r;
    }

    bool reactanceOne = false;
    for (const Arc& arc : grid.innerArcs) {
        if (arc.centre != QPointF(200, 0) || arc.radius != rim)
            continue;
        reactanceOne = true;
        EXPECT_LE(distance(pointOn(arc, arc.startAngle), {200, 100}), 1.0);
        EXPECT_LE(distance(pointOn(arc, arc.endAngle), {100, 0}), 1.0);
        EXPECT_LT(distance(pointOn(arc, arc.startAngle + sweepOf(arc) / 2), centre), rim);
    }
    EXPECT_TRUE(reactanceOne);

    // The rim and the real axis; the vertical line at reflection 1 only touches the rim.
    EXPECT_EQ(grid.outerLine, QVector<QLine>{QLine(0, 100, 200, 100)});
    ASSERT_FALSE(grid.outerArcs.isEmpty());
    EXPECT_EQ(grid.outerArcs.front().radius, rim);

    // Flipped, the resistance-1 circle moves to the left half.
    const SmithGridGeometry flipped = smithGridGeometry({200, 200}, 1.0, true);
    bool mirrored = false;
    for (const Arc& arc : flipped.innerArcs)
        mirrored = mirrored || (arc.centre == QPointF(50, 100) && arc.radius == 50);
    EXPECT_TRUE(mirrored);
}

// The reactance-0 "circle" is a straight line of infinite radius; tiny, huge
// and non-finite scales must still give finite geometry.
TEST(SmithGridGeometryTest, AnyScaleGivesFiniteGeometry)
{
    for (double scale : {1.0, 0.0001, 0.3, 0.59, 1.46, 2.5, 1e6, notANumber, infinity, -3.0}) {
        for (bool flip : {false, true}) {
            const SmithGridGeometry grid = smithGridGeometry({300, 200}, scale, flip);
            for (const Arc& arc : grid.innerArcs + grid.outerArcs)
                EXPECT_TRUE(isFinite(arc)) << scale;
            EXPECT_FALSE(grid.outerArcs.isEmpty());
        }
    }
}

TEST(PolarGridGeometryTest, RimAxesRingsAndQuarterCircles)
{
    const PolarGridGeometry grid = polarGridGeometry({200, 100}, 2.0);
    const QPointF centre(100, 50);
    // The unit circle at half the rim for scale 2, then the rim.
    ASSERT_EQ(grid.outerCircles.size(), 2);
    EXPECT_EQ(grid.outerCircles[0].radius, 25.0);
    EXPECT_EQ(grid.outerCircles[1].radius, 50.0);
    EXPECT_EQ(grid.outerAxes, (QVector<QLine>{QLine(100, 0, 100, 100), QLine(50, 50, 150, 50)}));
    // 4 + 8 + 16 radial lines, each from its ring out to the rim.
    ASSERT_EQ(grid.innerRadialLines.size(), 28);
    EXPECT_NEAR(distance(grid.innerRadialLines[0].p1(), centre), 12, 1.0);
    EXPECT_NEAR(distance(grid.innerRadialLines[27].p1(), centre), 37, 1.0);
    for (const QLine& line : grid.innerRadialLines)
        EXPECT_NEAR(distance(line.p2(), centre), 50, 1.0);
    ASSERT_EQ(grid.innerCircles.size(), 4);
    EXPECT_EQ(grid.innerCircles[3].radius, 37.5);

    EXPECT_EQ(polarGridGeometry({200, 100}, 1.0).outerCircles.size(), 1);
    for (double scale : {notANumber, infinity, 0.0, -1.0, 1e-9})
        for (const Arc& arc : polarGridGeometry({200, 100}, scale).outerCircles)
            EXPECT_TRUE(isFinite(arc)) << scale;
}
