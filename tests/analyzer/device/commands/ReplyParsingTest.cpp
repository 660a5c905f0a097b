#include "analyzer/device/ReplyParsing.h"
#include "analyzer/device/WireTokens.h"

#include <gtest/gtest.h>

using namespace ReplyParsing;

TEST(ReplyParsingTest, IdentificationNeedsExactlyFourItemsAndLosesInnerBlanks)
{
    const std::optional<VnaInfo> info = toIdentification("Maker, Model 804/1 ,SN 0042,  21.4.1");
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->model, "Model804/1");
    EXPECT_EQ(info->serialNumber, "SN0042");
    EXPECT_EQ(info->version, "21.4.1");
    EXPECT_FALSE(toIdentification("Maker,Model,SN").has_value());
    EXPECT_FALSE(toIdentification("Maker,Model,SN,1.0,extra").has_value());
}

TEST(ReplyParsingTest, ComplexValuesComeInRealImaginaryPairs)
{
    const auto values = toComplexValues("0.5,-0.25, 1e-3,2E+1");
    ASSERT_TRUE(values.has_value());
    ASSERT_EQ(values->size(), 2u);
    EXPECT_EQ((*values)[0], std::complex<double>(0.5, -0.25));
    EXPECT_EQ((*values)[1], std::complex<double>(1e-3, 20.0));
    EXPECT_FALSE(toComplexValues("0.5,-0.25,1").has_value());
    EXPECT_FALSE(toComplexValues("").has_value());
    EXPECT_FALSE(toComplexValues("0.5,x").has_value());
    EXPECT_FALSE(toComplexValues("0.5,,1,2").has_value());
    EXPECT_FALSE(toComplexValues("nan,0").has_value());
}

TEST(ReplyParsingTest, FrequencyListRejectsEmptyAndNonNumbers)
{
    const auto frequencies = toDoubles("1e6, 2e6,3e6");
    ASSERT_TRUE(frequencies.has_value());
    EXPECT_EQ(*frequencies, (std::vector<double>{1e6, 2e6, 3e6}));
    EXPECT_FALSE(toDoubles("").has_value());
    EXPECT_FALSE(toDoubles("1e6,GHz").has_value());
}

TEST(ReplyParsingTest, AnImplausiblePortCountIsNoValue)
{
    EXPECT_EQ(toPortCount("4"), 4u);
    EXPECT_EQ(toPortCount("256"), 256u);
    EXPECT_FALSE(toPortCount("100000").has_value());
    EXPECT_FALSE(toPortCount("x").has_value());
}

TEST(ReplyParsingTest, ActiveChannelZeroOrGarbageIsNoChannel)
{
    EXPECT_EQ(toActiveChannel("1"), 0u);
    EXPECT_EQ(toActiveChannel("4"), 3u);
    EXPECT_FALSE(toActiveChannel("0").has_value());
    EXPECT_FALSE(toActiveChannel("-1").has_value());
    EXPECT_FALSE(toActiveChannel("1.5").has_value());
    EXPECT_FALSE(toActiveChannel("").has_value());
}

TEST(ReplyParsingTest, BooleansAreOnlyOneOrZero)
{
    EXPECT_EQ(toBool("1"), true);
    EXPECT_EQ(toBool("0"), false);
    EXPECT_FALSE(toBool("ON").has_value());
    EXPECT_FALSE(toBool("").has_value());
}

TEST(ReplyParsingTest, CalibratedPortsAreTheItemsAfterTheTypeMinusOne)
{
    EXPECT_EQ(toCalibratedPorts("SOLT2,1,2"), (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(toCalibratedPorts("NONE"), std::vector<double>{});
    EXPECT_EQ(toCalibratedPorts(""), std::vector<double>{});
    EXPECT_FALSE(toCalibratedPorts("SOLT2,1,two").has_value());
    EXPECT_EQ(WireTokens::calibrationTypeFromToken("SOLT2"), VNADevice::Solt2);
    EXPECT_EQ(WireTokens::calibrationTypeFromToken("NONE"), VNADevice::NoCalibrationType);
    EXPECT_FALSE(WireTokens::calibrationTypeFromToken("solt2").has_value());
}

TEST(WireTokensTest, UnknownSaveTypeReadsAsStateButUnknownSweepTypeIsNoValue)
{
    EXPECT_EQ(WireTokens::saveTypeFromToken("CDSTate"), VNADevice::ChannelDataState);
    EXPECT_EQ(WireTokens::saveTypeFromToken("cstate"), VNADevice::State);
    EXPECT_EQ(WireTokens::sweepTypeFromToken("SEGM"), SweepType::Segment);
    EXPECT_FALSE(WireTokens::sweepTypeFromToken("LINear").has_value());
}

TEST(WireTokensTest, NumbersCarryTenSignificantDigits)
{
    EXPECT_EQ(WireTokens::number(1.5e9), "1500000000");
    EXPECT_EQ(WireTokens::number(12345.678901234), "12345.6789");
    EXPECT_EQ(WireTokens::number(20e9), "2e+10");
    EXPECT_EQ(WireTokens::number(-10.0), "-10");
}

TEST(WireTokensTest, ReceiverParameterTokensNameTheOneBasedPort)
{
    EXPECT_EQ(WireTokens::parameterType(VNADevice::TestReceiver, 0), "T1");
    EXPECT_EQ(WireTokens::parameterType(VNADevice::RatioReceiver, 2), "V3");
    EXPECT_EQ(WireTokens::parameterType(VNADevice::SParameter, 1), "");
    EXPECT_EQ(WireTokens::graphicFormat(VNADevice::UnwrappedPhase), "UPHase");
    EXPECT_EQ(WireTokens::graphicFormat(static_cast<VNADevice::GraphicFormat>(99)), "");
}
