#include "simulator/scpi/ScpiLine.h"
#include "simulator/scpi/ScpiPattern.h"
#include "simulator/scpi/ScpiValues.h"

#include <gtest/gtest.h>

using namespace Simulator;

namespace {

std::optional<std::vector<int>> matchOf(const QString& pattern, const QString& line)
{
    const auto parsed = ScpiLine::parse(line);
    if (!parsed)
        return std::nullopt;
    return ScpiPattern(pattern).match(*parsed);
}

} // namespace

TEST(ScpiHeader, ShortAndLongFormsMatchInAnyCase)
{
    const QString pattern = "SENSe#:FREQuency:STARt?";
    EXPECT_TRUE(matchOf(pattern, "SENSe1:FREQuency:STARt?"));
    EXPECT_TRUE(matchOf(pattern, "sens1:freq:star?"));
    EXPECT_TRUE(matchOf(pattern, ":SENSE1:FREQUENCY:START?"));
    // Neither a form between short and long nor the command form of a query.
    EXPECT_FALSE(matchOf(pattern, "SENSE1:FREQU:STAR?"));
    EXPECT_FALSE(matchOf(pattern, "SENS1:FREQ:STAR 1e9"));
}

TEST(ScpiHeader, SuffixesDefaultToOneAndAreRefusedWhereNotAllowed)
{
    EXPECT_EQ(matchOf("CALCulate#:TRACe#:DATA:SDATa?", "CALC3:TRAC12:DATA:SDAT?"), (std::vector<int>{3, 12}));
    EXPECT_EQ(matchOf("CALCulate#:TRACe#:DATA:SDATa?", "CALC:TRAC:DATA:SDAT?"), (std::vector<int>{1, 1}));
    EXPECT_FALSE(matchOf("SYSTem:PRESet", "SYSTem2:PRESet"));
}

TEST(ScpiHeader, OptionalNodesMayBeLeftOut)
{
    const QString pattern = "SOURce#:POWer[:LEVel][:IMMediate][:AMPLitude]";
    EXPECT_TRUE(matchOf(pattern, "SOURce1:POWer:LEVel:IMMediate:AMPLitude -10"));
    EXPECT_TRUE(matchOf(pattern, "SOUR2:POW -10"));
    EXPECT_TRUE(matchOf(pattern, "SOUR:POW:AMPL -10"));
    EXPECT_FALSE(matchOf(pattern, "SOUR:POW:AMPL:LEV -10"));
    EXPECT_TRUE(matchOf("TRIGger[:SEQuence]:SINGle", ":TRIG:SING"));
    EXPECT_FALSE(matchOf("MMEMory:STORe[:STATe]", "MMEMory:STORe:STYPe CSTate"));
}

TEST(ScpiHeader, LineSplitsIntoHeaderAndArguments)
{
    const auto line = ScpiLine::parse("MMEMory:STORe:STATe /tmp/a dir/state, 1.sta\r");
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->isQuery);
    EXPECT_EQ(line->argumentText(), "/tmp/a dir/state, 1.sta");
    EXPECT_EQ(line->argumentList(), (QStringList{"/tmp/a dir/state", "1.sta"}));

    const auto common = ScpiLine::parse("*IDN?");
    ASSERT_TRUE(common);
    EXPECT_TRUE(common->isQuery);
    EXPECT_FALSE(ScpiLine::parse("SENS::FREQ?"));
    EXPECT_FALSE(ScpiLine::parse("SENS:*IDN?"));
    EXPECT_FALSE(ScpiLine::parse("SENS1x:FREQ?"));
}

TEST(ScpiValues, KeywordsBooleansAndNumbers)
{
    const QStringList keywords{"STATe", "CSTate", "CDSTate"};
    EXPECT_EQ(parseKeyword("cst", keywords), 1);
    EXPECT_EQ(parseKeyword("CDSTATE", keywords), 2);
    EXPECT_FALSE(parseKeyword("CSTAT", keywords));
    EXPECT_EQ(parseBoolean("on"), true);
    EXPECT_EQ(parseBoolean("0"), false);
    EXPECT_FALSE(parseBoolean("2"));
    EXPECT_EQ(parseNumber(" 1.5e9 "), 1.5e9);
    EXPECT_FALSE(parseNumber("1 GHz"));
    EXPECT_FALSE(parseNumber("nan"));
    EXPECT_EQ(formatNumber(12345.678901234), "12345.678901234");
}
