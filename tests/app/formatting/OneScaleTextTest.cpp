#include "app/formatting/OneScaleText.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <gtest/gtest.h>

#include <limits>

// The labels of an axis share the prefix of the largest, whatever prefix each alone would take.
TEST(OneScaleTextTest, EveryValueTakesThePrefixOfTheLargest)
{
    // Alone, 0.6 shows as "0.6 " and 0.5 as "500 m".
    EXPECT_EQ(toNormalizedOnOneScale({0.6, 0.5, 0.4, 0.0}, 2), QStringList({"0.6 ", "0.5 ", "0.4 ", "0 "}));
    EXPECT_EQ(toNormalizedOnOneScale({0.5, 0.25, -0.0000001, -0.5}, 2),
              QStringList({"500 m", "250 m", "0 m", "-500 m"}));
    EXPECT_EQ(toNormalizedOnOneScale({0.0, 3e8, 6e8, 9e8}, 11), QStringList({"0 G", "0.3 G", "0.6 G", "0.9 G"}));
    EXPECT_EQ(toNormalizedOnOneScale({}, 2), QStringList());
    EXPECT_EQ(toNormalizedOnOneScale({std::numeric_limits<double>::quiet_NaN(), 2e-9}, 2),
              QStringList({"nan", "2 n"}));
}

// Labels a thousandth apart on one prefix keep the decimals that tell them apart.
TEST(OneScaleTextTest, NeighboursNeverReadAlike)
{
    EXPECT_EQ(toNormalizedOnOneScale({0.553, 0.552, 0.551}, 2), QStringList({"0.553 ", "0.552 ", "0.551 "}));
    EXPECT_EQ(toNormalizedOnOneScale({50.0005, 50.0, 49.9995}, 2), QStringList({"50.0005 ", "50 ", "49.9995 "}));
}
