#include "app/formatting/NumberReader.h"

#include <gtest/gtest.h>

namespace {

// A field of picoseconds from -10000 to 10000 with two decimals.
class NumberReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reader.setProperty("bottom", -10000.0);
        reader.setProperty("top", 10000.0);
        reader.setProperty("decimals", 2);
        reader.setProperty("units", QStringList{"s"});
        reader.setProperty("unitFactor", 1e-12);
    }

    NumberReader reader;
};

} // namespace

TEST_F(NumberReaderTest, BareNumbersCountInTheFieldsUnitPrefixedOnesInTheirOwn)
{
    const std::pair<QString, double> typed[] = {
        {"-600", -600.0}, {"1e3", 1000.0}, {"-1.5E2", -150.0}, {"20p", 20.0},
        {"20 ps", 20.0},  {"0.07n", 70.0}, {" 12.34 ", 12.34}, {"1e-8 s", 10000.0},
    };
    for (const auto& [text, picoseconds] : typed) {
        const NumberReader::Reading reading = reader.read(text);
        ASSERT_TRUE(reading.value.has_value()) << text.toStdString() << ": " << reading.refusal.toStdString();
        EXPECT_EQ(*reading.value, picoseconds) << text.toStdString();
        EXPECT_TRUE(reading.refusal.isEmpty());
    }
}

TEST_F(NumberReaderTest, RefusesWhatIsNoNumberOfTheFieldWithItsReason)
{
    const std::pair<QString, QString> refused[] = {
        {"20-600", "20-600 is not a number"},
        {"1e3x", "1e3x is not a number"},
        {"123456", "123456 is outside the range from -10000 ps to 10000 ps"},
        {"20 s", "20 s is outside the range from -10000 ps to 10000 ps"},
        {"12.345", "12.345 has more than 2 decimals"},
        {"1f", "1f has more than 2 decimals"},
    };
    for (const auto& [text, reason] : refused) {
        const NumberReader::Reading reading = reader.read(text);
        EXPECT_FALSE(reading.value.has_value()) << text.toStdString();
        EXPECT_EQ(reading.refusal.toStdString(), reason.toStdString());
    }
    const NumberReader::Reading empty = reader.read(" ");
    EXPECT_FALSE(empty.value.has_value());
    EXPECT_TRUE(empty.refusal.isEmpty());
}
