#include "charts/grids/XYGrid.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Orlix::Frontend;

namespace {

// The x pixels of the vertical lines, in drawing order.
std::vector<int> verticalPixels(const XYGridLines& lines)
{
    std::vector<int> pixels;
    for (const QLine& line : lines.inner)
        if (line.x1() == line.x2() && line.y1() == 0)
            pixels.push_back(line.x1());
    return pixels;
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

} // namespace

TEST(XYGridTest, FourLayoutsPlaceTheirVerticalLines)
{
    const XYGridLines equidistant = XYGrid::computeLines(XYGrid::EquidistantGrid, {0, 50}, 5, {101, 51});
    EXPECT_EQ(verticalPixels(equidistant), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_DOUBLE_EQ(equidistant.labels[2], 15.0);
    // Horizontal lines divide the height into yCount bands; the edges are the outer lines.
    ASSERT_EQ(equidistant.inner.size(), 9 + 4);
    EXPECT_EQ(equidistant.inner[9], QLine(0, 10, 101, 10));
    EXPECT_EQ(equidistant.inner[12], QLine(0, 40, 101, 40));
    EXPECT_EQ(equidistant.outer, (QVector<QLine>{{0, 0, 0, 51}, {0, 51, 101, 51}, {101, 0, 101, 51}, {101, 0, 0, 0}}));

    // Centre first, then below it, then above it, a tenth of the span apart.
    const XYGridLines centred = XYGrid::computeLines(XYGrid::CenteredLinGrid, {0, 100}, 1, {200, 100});
    EXPECT_EQ(verticalPixels(centred), (std::vector<int>{100, 80, 60, 40, 20, 120, 140, 160, 180}));
    EXPECT_DOUBLE_EQ(centred.labels[1], 40.0);

    // Nice numbers: 1e8 apart, from 0 up to but not including 1e9.
    const XYGridLines nice = XYGrid::computeLines(XYGrid::NiceLabelsLinGrid, {0, 1e9}, 1, {1000, 100});
    EXPECT_EQ(verticalPixels(nice), (std::vector<int>{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    EXPECT_DOUBLE_EQ(nice.labels[3], 3e8);

    // Decades 1 to 100: 100, 90, ..., 10, 9, ..., 2, not 1, placed logarithmically.
    const XYGridLines log = XYGrid::computeLines(XYGrid::LogGrid, {0, 2}, 1, {200, 100});
    ASSERT_EQ(log.labels.size(), 18);
    EXPECT_DOUBLE_EQ(log.labels[0], 2.0);
    EXPECT_NEAR(log.labels[1], std::log10(90.0), 1e-12);
    EXPECT_DOUBLE_EQ(log.labels[9], 1.0);
    EXPECT_NEAR(log.labels[17], std::log10(2.0), 1e-12);
    EXPECT_EQ(verticalPixels(log).front(), 200);
    EXPECT_EQ(verticalPixels(log)[9], 100);
    EXPECT_EQ(verticalPixels(log).back(), 30); // log10(2) x 100 = 30.1

    EXPECT_EQ(XYGrid::computeLines(XYGrid::EquidistantGrid, {0, 1}, 1, {100, 100}).inner.size(), 9);
}

TEST(XYGridTest, PublishesTheLineValuesAscendingAsLabels)
{
    XYGrid grid;
    grid.setSize({1000, 100});
    QSignalSpy labelsChanged(&grid, &XYGrid::xLabelsChanged);
    grid.setXLayout(XYGrid::CenteredLinGrid);
    grid.setXRange({0, 100});
    EXPECT_EQ(labelsChanged.count(), 2);
    EXPECT_EQ(grid.xLabels(), (QVariantList{10.0, 20.0, 30.0, 40.0, 50.0, 60.0, 70.0, 80.0, 90.0}));

    grid.setXLayout(XYGrid::LogGrid);
    grid.setXRange({0, 2});
    const QVariantList decades = grid.xLabels();
    ASSERT_EQ(decades.size(), 18);
    EXPECT_NEAR(decades.front().toDouble(), std::log10(2.0), 1e-12);
    EXPECT_DOUBLE_EQ(decades.back().toDouble(), 2.0);

    // A change below the relative tolerance is no change; yCount leaves the labels alone.
    const int before = labelsChanged.count();
    grid.setXRange({0, 2 + 1e-13});
    grid.setYCount(3);
    EXPECT_EQ(labelsChanged.count(), before);

    // Labels of a range that is not a number are published too, and sorting them ends.
    grid.setXLayout(XYGrid::EquidistantGrid);
    grid.setXRange({std::nan(""), 1});
    EXPECT_EQ(grid.xLabels().size(), 9);
}

// The initial range (0, 0), spans of 1e-16, NaN, infinities, reversed ranges
// and decades below the smallest double: every layout ends with a bounded set of
// lines inside the item, and no pixel is made from a value that is not finite.
TEST(XYGridTest, DegenerateRangesGiveBoundedLinesInsideTheItem)
{
    const std::vector<QPointF> ranges{{0, 0},         {0, 1e-16},     {1, 1 + 2.3e-16}, {1e20, 1e20 + 1e5}, {notANumber, 1},
                                      {0, notANumber},       {-infinity, infinity},    {0, infinity},         {1e300, -1e300},    {-1e308, 1e308},
                                      {-400, 2},      {-330, -300},   {-1e6, 1e6},      {5, 5}};
    for (int layout = XYGrid::EquidistantGrid; layout <= XYGrid::LogGrid; ++layout) {
        for (const QPointF& range : ranges) {
            const XYGridLines lines = XYGrid::computeLines(XYGrid::GridLayoutMode(layout), range, 10, {500, 300});
            const std::vector<int> pixels = verticalPixels(lines);
            EXPECT_EQ(int(pixels.size()), lines.labels.size());
            EXPECT_LE(lines.labels.size(), maxGridLines);
            for (int x : pixels) {
                EXPECT_GE(x, 0) << layout << " " << range.x() << " " << range.y();
                EXPECT_LE(x, 500) << layout << " " << range.x() << " " << range.y();
            }
        }
    }
    // No span, no place for a line: the initial range of a plotter.
    EXPECT_TRUE(XYGrid::computeLines(XYGrid::NiceLabelsLinGrid, {0, 0}, 10, {500, 300}).labels.isEmpty());
    EXPECT_TRUE(XYGrid::computeLines(XYGrid::CenteredLinGrid, {3, 3}, 10, {500, 300}).labels.isEmpty());

    // Decades far below the smallest double still get their lines, labelled by exponent.
    const XYGridLines tiny = XYGrid::computeLines(XYGrid::LogGrid, {-330, -300}, 10, {500, 300});
    EXPECT_EQ(tiny.labels.size(), 30 * 9);
    EXPECT_DOUBLE_EQ(tiny.labels.front(), -300.0);
    EXPECT_GT(tiny.labels.back(), -330.0);

    // Reaching below the smallest double: the lines from the top, at most maxGridLines.
    const XYGridLines underflow = XYGrid::computeLines(XYGrid::LogGrid, {-400, 2}, 10, {500, 300});
    EXPECT_EQ(underflow.labels.size(), maxGridLines);
    EXPECT_DOUBLE_EQ(underflow.labels.front(), 2.0);

    // Absurd horizontal counts are bounded as well.
    EXPECT_LE(XYGrid::computeLines(XYGrid::EquidistantGrid, {0, 1}, 1 << 30, {500, 300}).inner.size(),
              9 + maxGridLines);
}
