#include "app/formatting/MetricText.h"
#include "tests/analyzer/device/support/QtPrinting.h"
#include "tests/app/formatting/PrefixCatalogue.h"

#include <gtest/gtest.h>

TEST(TranslatedPrefixesTest, FollowTheTranslatorInstalledAfterTheirFirstUse)
{
    EXPECT_EQ(toNormalized(1.5e6, 6), "1.5 M");
    {
        PrefixCatalogue catalogue;
        EXPECT_EQ(toNormalized(1.5e6, 6), "1.5 М");
        EXPECT_EQ(toNormalized(4.7e-4, 2), "470 мк");
        EXPECT_DOUBLE_EQ(toMetric("2.5 к"), 2500.0);
        EXPECT_DOUBLE_EQ(toMetric("3мк"), 3e-6);
        EXPECT_DOUBLE_EQ(toMetric("3 м"), 3e-3);
        EXPECT_DOUBLE_EQ(toMetric("5 G"), 5e9);
        // The English texts still read, and files keep writing them.
        EXPECT_DOUBLE_EQ(toMetric("2.5 k"), 2500.0);
        EXPECT_DOUBLE_EQ(toMetric("3m"), 3e-3);
        EXPECT_EQ(toNormalized(1.5e6, 6, PrefixLanguage::English), "1.5 M");
        EXPECT_EQ(toNormalized(4.7e-4, 2, PrefixLanguage::English), "470 µ");
    }
    EXPECT_EQ(toNormalized(1.5e6, 6), "1.5 M");
    EXPECT_DOUBLE_EQ(toMetric("2.5 k"), 2500.0);
}

TEST(TranslatedPrefixesTest, PrefixTextsAreMatchedLiterally)
{
    PrefixCatalogue catalogue;
    EXPECT_EQ(toNormalized(2e12, 6), "2 Т.");
    EXPECT_DOUBLE_EQ(toMetric("2 Т."), 2e12);
    EXPECT_FALSE(readMetric("2 Тx").has_value());
    EXPECT_FALSE(readMetric("2 Т").has_value());
}
