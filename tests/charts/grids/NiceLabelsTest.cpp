#include "charts/grids/NiceLabels.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

std::vector<double> labels(double min, double max, int tickCount = 10)
{
    NiceLabels nice;
    std::vector<double> values;
    for (const QVariant& value : nice.looseLabels(min, max, tickCount))
        values.push_back(value.toDouble());
    return values;
}

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

} // namespace

TEST(NiceLabelsTest, LabelsAreNiceNumbersLargestFirstCoveringTheRange)
{
    const std::vector<double> tens = labels(0, 10);
    ASSERT_EQ(tens.size(), 11u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_DOUBLE_EQ(tens[i], 10 - i);

    const std::vector<double> small = labels(0.013, 0.087);
    ASSERT_EQ(small.size(), 9u);
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(small[i], 0.09 - 0.01 * i, 1e-15);

    // The plotter's y range of minMaxY (0, 10) widened by a fifth: step 2 from 12 down to -2.
    const std::vector<double> widened = labels(-2, 12);
    ASSERT_EQ(widened.size(), 8u);
    EXPECT_DOUBLE_EQ(widened.front(), 12);
    EXPECT_DOUBLE_EQ(widened.back(), -2);

    NiceLabels nice;
    EXPECT_EQ(nice.looseLabelsMinMax({0, 10}), QPointF(0, 10));
    EXPECT_EQ(nice.looseLabelsMinMax({5, 5}), QPointF(0, 0));
    EXPECT_EQ(nice.looseLabels(0, 10).size(), 11);
}

TEST(NiceLabelsTest, NoLabelsForAnEmptyOrUnusableRangeOrTickCount)
{
    for (const auto& [min, max] : std::vector<std::pair<double, double>>{
             {5, 5}, {10, 0}, {notANumber, 1}, {0, notANumber}, {-infinity, 1}, {0, infinity}, {-1e308, 1e308}}) {
        EXPECT_TRUE(labels(min, max).empty()) << min << " " << max;
    }
    EXPECT_TRUE(labels(0, 10, 1).empty());
    EXPECT_TRUE(labels(0, 10, -5).empty());
    // An absurd tick count yields a bounded answer instead of billions of labels.
    EXPECT_LE(labels(0, 10, INT_MAX).size(), 10000u);
}

// A nearly constant curve (50 ohms give or take 1e-14) and spans of 1e-16: the
// labels end, are distinct, descend and bracket the range.
TEST(NiceLabelsTest, SpansAtTheResolutionOfTheValuesGiveDistinctBracketingLabels)
{
    for (const auto& [min, max] : std::vector<std::pair<double, double>>{{50 - 1e-14, 50 + 1e-14},
                                                                        {0, 1e-16},
                                                                        {1, 1 + 4.5e-16},
                                                                        {-1e-16, 0},
                                                                        {1e300, 1.0000000000000002e300},
                                                                        {0, 5e-324}}) {
        const std::vector<double> values = labels(min, max);
        ASSERT_GE(values.size(), 2u) << min << " " << max;
        EXPECT_LE(values.size(), 30u);
        EXPECT_GE(values.front(), max);
        EXPECT_LE(values.back(), min);
        for (size_t i = 1; i < values.size(); ++i)
            EXPECT_LT(values[i], values[i - 1]);
    }
}
