#include "app/formatting/MetricText.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

struct Formatted
{
    double value;
    int precision;
    QString text;
};

struct Read
{
    QString text;
    double value;
};

} // namespace

TEST(MetricTextTest, FormatsWithTheNearestPrefix)
{
    const Formatted cases[] = {
        {1500000.0, 6, "1.5 M"}, {0.00047, 2, "470 µ"}, {0.0, 3, "0"},        {50.0, 2, "50 "},
        {600.0, 6, "0.6 k"},     {500.0, 6, "500 "},    {-2e-9, 6, "-2 n"},   {1e-18, 6, "1 a"},
        {1e18, 6, "1 E"},        {1.23456789e-12, 2, "1.23 p"},               {4.9e-11 * 4, 2, "196 p"},
    };
    for (const Formatted& c : cases)
        EXPECT_EQ(toNormalized(c.value, c.precision), c.text) << c.value;
}

TEST(MetricTextTest, ValuesThatAreNoNumbersPrintPlainAndPrecisionIsClamped)
{
    EXPECT_EQ(toNormalized(std::numeric_limits<double>::quiet_NaN(), 6), "nan");
    EXPECT_EQ(toNormalized(std::numeric_limits<double>::infinity(), 6), "inf");
    EXPECT_EQ(toNormalized(-std::numeric_limits<double>::infinity(), 2), "-inf");
    EXPECT_EQ(toNormalized(1.5e6, 400), "1.5 M");
    EXPECT_EQ(toNormalized(1.5e6, 309), "1.5 M");
    EXPECT_DOUBLE_EQ(toPrecision(1.23, 309), 1.23);
    EXPECT_DOUBLE_EQ(toPrecision(1e300, 20), 1e300);
    EXPECT_DOUBLE_EQ(toPrecision(1234.5, -2), 1200.0);
    EXPECT_DOUBLE_EQ(toPrecision(1234.5, -400), 0.0);
}

TEST(MetricTextTest, RoundsHalvesAwayFromZero)
{
    EXPECT_DOUBLE_EQ(toPrecision(1.23456789, 6), 1.234568);
    EXPECT_DOUBLE_EQ(toPrecision(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(toPrecision(-2.5, 0), -3.0);
}

TEST(MetricTextTest, ReadsPlainNumbersWithOrWithoutPrefix)
{
    const Read cases[] = {
        {"12.5", 12.5}, {"2.5 k", 2500.0}, {"2.5k", 2500.0}, {"-4m", -0.004}, {"+3 M", 3e6},
        {"500 ", 500.0}, {"150p", 1.5e-10}, {"7  G", 7e9}, {"1 E", 1e18}, {"0.47 µ", 4.7e-7},
    };
    for (const Read& c : cases) {
        ASSERT_TRUE(readMetric(c.text).has_value()) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(*readMetric(c.text), c.value) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(toMetric(c.text), c.value) << c.text.toStdString();
    }
}

TEST(MetricTextTest, RefusesEveryOtherForm)
{
    const QStringList refused{"",      "abc",  "1e3",   "2.5 x", ".5", "5.",   "1,5",   " 5",
                              "5 k k", "k",    "--5",   "5 kHz", "0x10", "1 000", QString(400, '9') + " E"};
    for (const QString& text : refused) {
        EXPECT_FALSE(readMetric(text).has_value()) << text.toStdString();
        EXPECT_EQ(toMetric(text), 0.0) << text.toStdString();
    }
}

TEST(MetricTextTest, EveryValueFromAttoToExaSurvivesTheRoundTrip)
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> exponent(-18.0, 18.0);
    std::bernoulli_distribution negative(0.5);
    for (int i = 0; i < 20000; ++i) {
        const double value = (negative(random) ? -1.0 : 1.0) * std::pow(10.0, exponent(random));
        const QString text = toNormalized(value, 6);
        EXPECT_NEAR(toMetric(text), value, 5e-6 * std::abs(value)) << text.toStdString();
    }
}
