#include "charts/traces/ColumnResampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using Orlix::Frontend::ColumnResampler;

namespace {

constexpr size_t slotCount = 4096;

std::vector<float> resampled(const std::vector<double>& values)
{
    std::vector<float> slots(slotCount, -12345.0f);
    ColumnResampler::resample(values.data(), values.size(), 1, slots.data(), slotCount, 1);
    return slots;
}

TEST(ColumnResampler, TenPointsInterpolateLinearlyBetweenNeighbours)
{
    const std::vector<double> values{3.0, -1.0, 4.0, 1.0, -5.0, 9.0, 2.0, 6.0, -5.0, 3.5};
    const std::vector<float> slots = resampled(values);
    EXPECT_EQ(slots.front(), 3.0f);
    EXPECT_EQ(slots.back(), 3.5f);
    for (size_t c = 1; c + 1 < slotCount; ++c) {
        const double position = double(c) * 9.0 / 4095.0;
        const size_t left = size_t(position);
        const double expected = values[left] + (values[left + 1] - values[left]) * (position - double(left));
        ASSERT_NEAR(slots[c], expected, 1e-5) << "slot " << c;
    }
}

TEST(ColumnResampler, InterleavedColumnsAndASinglePoint)
{
    // Points as (x, y) pairs into (x, y) slots, the way a trace reads them.
    const std::vector<double> points{0.0, 10.0, 1.0, 20.0};
    std::vector<float> slots(2 * slotCount);
    ColumnResampler::resample(points.data(), 2, 2, slots.data(), slotCount, 2);
    ColumnResampler::resample(points.data() + 1, 2, 2, slots.data() + 1, slotCount, 2);
    EXPECT_EQ(slots[2 * 2047], float(2047.0 / 4095.0));
    EXPECT_FLOAT_EQ(slots[2 * 2047 + 1], float(10.0 + 10.0 * 2047.0 / 4095.0));

    // One point has nothing to interpolate towards: every slot holds it.
    const std::vector<float> single = resampled({7.25});
    for (float slot : single)
        ASSERT_EQ(slot, 7.25f);
}

TEST(ColumnResampler, LongListsKeepOneSamplePeaksOfBothSignsInTheirColumns)
{
    // Just above the slot count the columns hold two or three samples each.
    for (const size_t count : {size_t(100000), slotCount + 1}) {
        std::vector<double> values(count, 1.0);
        const size_t positiveAt = count * 3 / 10 + 1;
        const size_t negativeAt = count * 7 / 10 + 1;
        values[positiveAt] = 50.0;
        values[negativeAt] = -40.0;
        const std::vector<float> slots = resampled(values);

        auto columnOf = [count](size_t k) { return size_t(double(k) * (double(slotCount) / double(count)) / 2.0); };
        const size_t positiveColumn = columnOf(positiveAt);
        const size_t negativeColumn = columnOf(negativeAt);
        ASSERT_EQ(columnOf(positiveAt - 1), positiveColumn) << "the peak must not open its column";
        ASSERT_EQ(columnOf(negativeAt - 1), negativeColumn) << "the peak must not open its column";
        for (size_t column = 0; column < slotCount / 2; ++column) {
            const float first = slots[2 * column];
            const float second = slots[2 * column + 1];
            if (column == positiveColumn) {
                // The column's minimum came first (its first sample), the peak later.
                EXPECT_EQ(first, 1.0f);
                EXPECT_EQ(second, 50.0f);
            } else if (column == negativeColumn) {
                EXPECT_EQ(first, 1.0f);
                EXPECT_EQ(second, -40.0f);
            } else {
                ASSERT_EQ(first, 1.0f) << "column " << column << " of " << count;
                ASSERT_EQ(second, 1.0f) << "column " << column << " of " << count;
            }
        }
    }
}

TEST(ColumnResampler, PointsGiveTheSlotsOfTheirColumnsResampledAlone)
{
    // Long (x, y) lists take both columns in one pass. x falls; y has spikes of
    // both signs and a NaN gap.
    for (const size_t count : {size_t(10), slotCount + 1, size_t(3 * slotCount + 5)}) {
        std::vector<double> points(2 * count);
        for (size_t k = 0; k < count; ++k) {
            points[2 * k] = -0.5 * double(k);
            points[2 * k + 1] = std::sin(0.01 * double(k)) + (k % 7 == 3 ? 5.0 : 0.0) - (k % 11 == 5 ? 5.0 : 0.0);
        }
        points[2 * (count / 2) + 1] = std::nan("");
        std::vector<float> alone(2 * slotCount);
        ColumnResampler::resample(points.data(), count, 2, alone.data(), slotCount, 2);
        ColumnResampler::resample(points.data() + 1, count, 2, alone.data() + 1, slotCount, 2);
        std::vector<float> together(2 * slotCount);
        ColumnResampler::resamplePoints(points.data(), count, together.data(), slotCount);
        ASSERT_EQ(std::memcmp(alone.data(), together.data(), alone.size() * sizeof(float)), 0) << count << " points";
    }
}

TEST(ColumnResampler, EnvelopeWritesTheEarlierExtremeFirst)
{
    // Falling within each column: the maximum comes first.
    std::vector<double> values(8192 * 3);
    for (size_t k = 0; k < values.size(); ++k)
        values[k] = -double(k);
    const std::vector<float> slots = resampled(values);
    for (size_t column = 0; column < slotCount / 2; ++column)
        ASSERT_GT(slots[2 * column], slots[2 * column + 1]) << "column " << column;
    EXPECT_EQ(slots.front(), 0.0f);
    EXPECT_EQ(slots.back(), -float(values.size() - 1));
}

} // namespace
