#include "remote/parser/DeviceFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using Orlix::Automation::DeviceFunctions;

namespace {

struct DoubleCase
{
    const char* text;
    bool accepted;
    double value;
    int consumed;
};

class DoubleParameter : public ::testing::TestWithParam<DoubleCase>
{
};

TEST_P(DoubleParameter, ReadsTheNumberAndItsBlanks)
{
    const DoubleCase& c = GetParam();
    const char* begin = c.text;
    const char* cursor = begin;
    double value = -999.0;
    ASSERT_EQ(DeviceFunctions::parseDoubleParameter(cursor, begin + std::strlen(begin), value), c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(cursor, begin);
        EXPECT_EQ(value, -999.0);
        return;
    }
    EXPECT_NEAR(value, c.value, std::abs(c.value) * 1e-13);
    EXPECT_EQ(cursor - begin, c.consumed);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DoubleParameter,
    ::testing::Values(DoubleCase{"1e3", true, 1000.0, 3}, DoubleCase{"1000", true, 1000.0, 4},
                      DoubleCase{"+1000.0", true, 1000.0, 7}, DoubleCase{"1 e3", true, 1000.0, 4},
                      DoubleCase{"1E+3", true, 1000.0, 4}, DoubleCase{"#H3E8", true, 1000.0, 5},
                      DoubleCase{"#h3e8", true, 1000.0, 5}, DoubleCase{"#b101", true, 5.0, 5},
                      DoubleCase{"#Q17", true, 15.0, 4}, DoubleCase{"#Q178", true, 15.0, 4},
                      DoubleCase{"#B1012", true, 5.0, 5}, DoubleCase{"#HFFFFFFFF", true, 4294967295.0, 10},
                      DoubleCase{"1e-44", true, 0.0, 5}, DoubleCase{"-2.5e-3", true, -0.0025, 7},
                      DoubleCase{".5", true, 0.5, 2}, DoubleCase{"5.", true, 5.0, 2},
                      DoubleCase{"  42  ", true, 42.0, 6}, DoubleCase{"1.5 ,2", true, 1.5, 4},
                      DoubleCase{"10kHz", true, 10.0, 2}, DoubleCase{"1.2.3", true, 1.2, 3},
                      DoubleCase{"100e41", true, 1e43, 6}, DoubleCase{"0.000", true, 0.0, 5},
                      // Digits beyond 32 bits scale the kept ones instead of overflowing.
                      DoubleCase{"12345678901234567890", true, 1234567890e10, 20},
                      DoubleCase{"0.12345678901234567890", true, 0.123456789, 22},
                      DoubleCase{"1e44", false, 0, 0}, DoubleCase{"100e42", false, 0, 0},
                      DoubleCase{"1e", false, 0, 0}, DoubleCase{"1e+", false, 0, 0}, DoubleCase{".", false, 0, 0},
                      DoubleCase{"-", false, 0, 0}, DoubleCase{"", false, 0, 0}, DoubleCase{"   ", false, 0, 0},
                      DoubleCase{"e3", false, 0, 0}, DoubleCase{"ON", false, 0, 0}, DoubleCase{"#", false, 0, 0},
                      DoubleCase{"#H", false, 0, 0}, DoubleCase{"#X1", false, 0, 0},
                      DoubleCase{"#1", false, 0, 0}, DoubleCase{"-#H1", false, 0, 0},
                      DoubleCase{"#H100000000", false, 0, 0}, DoubleCase{"1e2147483648", false, 0, 0},
                      DoubleCase{"\xff", false, 0, 0}, DoubleCase{"1\xe9", true, 1.0, 1}));

struct IntCase
{
    const char* text;
    bool accepted;
    int value;
};

class IntParameter : public ::testing::TestWithParam<IntCase>
{
};

TEST_P(IntParameter, TruncatesAndRefusesOverflow)
{
    const IntCase& c = GetParam();
    const char* cursor = c.text;
    int value = -1;
    ASSERT_EQ(DeviceFunctions::parseIntParameter(cursor, c.text + std::strlen(c.text), value), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(value, c.value);
    } else {
        EXPECT_EQ(cursor, c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Numbers, IntParameter,
                         ::testing::Values(IntCase{"2.7", true, 2}, IntCase{"-2.7", true, -2}, IntCase{"1e3", true, 1000},
                                           IntCase{"1e9", true, 1000000000}, IntCase{"2147483647", true, 2147483647},
                                           IntCase{"-2147483647", true, -2147483647}, IntCase{"0.9", true, 0},
                                           IntCase{"1e-44", true, 0}, IntCase{"#HFF", true, 255},
                                           IntCase{"2147483648", false, 0}, IntCase{"-2147483648", false, 0},
                                           IntCase{"3e9", false, 0}, IntCase{"5e9", false, 0},
                                           IntCase{"#HFFFFFFFF", false, 0}, IntCase{"abc", false, 0}));

} // namespace
