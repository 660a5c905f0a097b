#include "measurement/models/Zip.h"

#include <QVector>

#include <gtest/gtest.h>

#include <vector>

TEST(Zip, WalksContainersInStepAndWritesThroughItsReferences)
{
    const std::vector<double> times{1.0, 2.0, 3.0};
    std::vector<int> counts{10, 20, 30};
    QVector<double> sums(3);
    for (auto [t, c, s] : Helpers::Ranges::zip(times, counts, sums)) {
        s = t + c;
        ++c;
    }
    EXPECT_EQ(sums, (QVector<double>{11.0, 22.0, 33.0}));
    EXPECT_EQ(counts, (std::vector<int>{11, 21, 31}));
}

TEST(Zip, UnequalSizesThrowBeforeAnyElementAndEmptyContainersYieldNothing)
{
    std::vector<int> three{1, 2, 3};
    std::vector<int> four{1, 2, 3, 4};
    int visited = 0;
    try {
        for (auto pair : Helpers::Ranges::zip(three, four)) {
            (void)pair;
            ++visited;
        }
        FAIL() << "no exception";
    } catch (const Helpers::Ranges::details::zip_ranges_not_equal& e) {
        EXPECT_STREQ(e.what(), "zip containers size are not equal");
    }
    EXPECT_EQ(visited, 0);

    std::vector<int> none;
    std::vector<double> nothing;
    for (auto pair : Helpers::Ranges::zip(none, nothing)) {
        (void)pair;
        ++visited;
    }
    EXPECT_EQ(visited, 0);
}
