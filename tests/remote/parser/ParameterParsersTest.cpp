#include "remote/handlers/ArgumentParsers.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ScpiKeyword.h"
#include "tests/remote/support/TestCommands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Orlix::Automation;

namespace {

template<typename T>
bool parseAll(const char* text, T& value)
{
    const char* cursor = text;
    const char* end = text + std::strlen(text);
    return ArgumentParser<T>::parse(cursor, end, value) && cursor == end;
}

TEST(StringParameter, RunsToTheSameQuoteWithoutEscapes)
{
    std::string value;
    EXPECT_TRUE(parseAll("\"a;b\"", value));
    EXPECT_EQ(value, "a;b");
    EXPECT_TRUE(parseAll("'it\"s'", value));
    EXPECT_EQ(value, "it\"s");
    EXPECT_TRUE(parseAll("\"\"", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(parseAll("\"caf\xc3\xa9\"", value));
    EXPECT_EQ(value, "caf\xc3\xa9");

    value = "kept";
    EXPECT_FALSE(parseAll("\"unterminated", value));
    EXPECT_FALSE(parseAll("bare", value));
    EXPECT_FALSE(parseAll("\"a\"\"b\"", value)); // the doubled quote ends the string
    EXPECT_FALSE(parseAll("", value));
}

TEST(BoolParameter, TakesNumbersAndOnOff)
{
    for (const char* text : {"ON", "on", "On", "1", "5", "-1", "0.5e1"}) {
        bool value = false;
        EXPECT_TRUE(parseAll(text, value)) << text;
        EXPECT_TRUE(value) << text;
    }
    for (const char* text : {"OFF", "off", "0", "0.4"}) {
        bool value = true;
        EXPECT_TRUE(parseAll(text, value)) << text;
        EXPECT_FALSE(value) << text;
    }
    for (const char* text : {"OF", "ONX", "TRUE", "", "O"}) {
        bool value = false;
        EXPECT_FALSE(parseAll(text, value)) << text;
    }
}

TEST(KeywordParameter, TakesShortOrWholeLongForm)
{
    const struct
    {
        const char* text;
        bool accepted;
        RemoteTest::TestMethod method;
    } methods[] = {
        {"BI", true, RemoteTest::TestMethod::Bisect},
        {"bisect", true, RemoteTest::TestMethod::Bisect},
        {"FILTER", true, RemoteTest::TestMethod::Filtering},
        {"filtering", true, RemoteTest::TestMethod::Filtering},
        {"TIME", true, RemoteTest::TestMethod::TimeGating},
        {"TIMEGATING", true, RemoteTest::TestMethod::TimeGating},
        {"BIS", false, {}},
        {"FILT", false, {}},
        {"TIMEGATE", false, {}},
        {"1", false, {}},
    };
    for (const auto& c : methods) {
        RemoteTest::TestMethod value{};
        EXPECT_EQ(parseAll(c.text, value), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(value, c.method) << c.text;
        }
    }

    const struct
    {
        const char* text;
        bool accepted;
        RemoteTest::TestConversion type;
    } conversions[] = {
        {"SYST", true, RemoteTest::TestConversion::System}, {"system", true, RemoteTest::TestConversion::System},
        {"FIXT", true, RemoteTest::TestConversion::Fixture}, {"US", true, RemoteTest::TestConversion::User},
        {"USER", true, RemoteTest::TestConversion::User},   {"NONE", false, {}},
    };
    for (const auto& c : conversions) {
        RemoteTest::TestConversion value{};
        EXPECT_EQ(parseAll(c.text, value), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(value, c.type) << c.text;
        }
    }
}

TEST(KeywordTable, SplitsMnemonicsAtTheFirstLowerCaseLetter)
{
    const ScpiKeywordTable table = buildKeywordTable({{"FILTERing", 2}, {"ON", 0}});
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].shortForm, "filter");
    EXPECT_EQ(table[0].longRest, "ing");
    EXPECT_EQ(table[0].value, 2);
    EXPECT_EQ(table[1].shortForm, "on");
    EXPECT_EQ(table[1].longRest, "");
}

TEST(PortIndexParameter, IsTheNumberMinusOne)
{
    PortIndex port;
    EXPECT_TRUE(parseAll("1", port));
    EXPECT_EQ(port.value, 0);
    EXPECT_TRUE(parseAll("2.9", port));
    EXPECT_EQ(port.value, 1);
    EXPECT_TRUE(parseAll("0", port));
    EXPECT_EQ(port.value, -1);
    EXPECT_FALSE(parseAll("A", port));
}

TEST(NumericSuffix, EmptyIsOneAndOverflowIsRefused)
{
    const struct
    {
        const char* text;
        bool accepted;
        int value;
    } cases[] = {
        {"", true, 1},         {"2", true, 2},           {"2x", true, 2},  {"2147483647", true, 2147483647},
        {"0", false, 0},       {"00", false, 0},         {"x2", false, 0}, {"2147483648", false, 0},
        {"99999999999999999999", false, 0}, {"\xb2", false, 0},
    };
    for (const auto& c : cases) {
        const char* cursor = c.text;
        int value = 0;
        EXPECT_EQ(DeviceFunctions::parseNumericSuffix(cursor, c.text + std::strlen(c.text), value), c.accepted)
            << c.text;
        if (c.accepted) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(Separator, PassesBlanksAndOneSeparator)
{
    const char text[] = "  , \r x";
    const char* cursor = text;
    EXPECT_TRUE(DeviceFunctions::skipSeparator(cursor, text + sizeof text - 1, ','));
    EXPECT_EQ(*cursor, 'x');
    const char* noComma = text + 6;
    EXPECT_FALSE(DeviceFunctions::skipSeparator(noComma, text + sizeof text - 1, ','));
    EXPECT_EQ(*noComma, 'x');
}

} // namespace
