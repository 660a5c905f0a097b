#include "tests/simulator/support/SimulatorFixture.h"

#include <gtest/gtest.h>

using namespace Simulator;

namespace {

class QueryReplies : public SimulatorFixture
{
protected:
    QString ask(const QString& line) { return client.query(line).value_or("<no reply>"); }
};

} // namespace

TEST_F(QueryReplies, IdentificationHasFourFields)
{
    const QStringList fields = ask("*IDN?").split(',');
    ASSERT_EQ(fields.size(), 4);
    EXPECT_EQ(fields[1], simulator.model().identification.model);
    EXPECT_EQ(ask("SYST:READy?"), "1");
}

TEST_F(QueryReplies, PresetAnalyzerAnswersEveryRefreshQuery)
{
    EXPECT_EQ(ask("SERVice:CHANnel:ACTive?"), "1");
    EXPECT_EQ(ask("SERVice:PORT:COUNt?"), "2");
    EXPECT_EQ(ask("SERVice:SWEep:FREQuency:MAXimum?").toDouble(), 20e9);
    EXPECT_EQ(ask("SENSe1:SWEep:TYPE?"), "LIN");
    EXPECT_EQ(ask("SENSe1:FREQuency:STARt?").toDouble(), 100e3);
    EXPECT_EQ(ask("SENSe1:FREQuency:STOP?").toDouble(), 20e9);
    EXPECT_EQ(ask("SENSe1:SWEep:POINts?"), "201");
    EXPECT_EQ(ask("SENSe1:BWIDth:RESolution?").toDouble(), 10e3);
    EXPECT_EQ(ask("SOURce1:POWer:LEVel:IMMediate:AMPLitude?").toDouble(), 0.0);
    EXPECT_EQ(ask("*IDN?").split(',').size(), 4);
    EXPECT_EQ(ask("CALCulate1:CORRection:STATus?"), "C");
    EXPECT_EQ(ask("SENSe1:CORRection:TYPE?"), "SOLT2,1,2");
    EXPECT_EQ(ask("SENSe:CORRection:PORT1:IMPedance?").toDouble(), 50.0);
    EXPECT_EQ(ask("SENSe:CORRection:PORT2:IMPedance?").toDouble(), 50.0);
    EXPECT_EQ(ask("MMEMory:STORe:STYPe?"), "STATe");
}

TEST_F(QueryReplies, SettingsAreStoredWithinTheAnalyzersLimits)
{
    client.send("SENSe1:SWEep:TYPE LOG");
    client.send("SENSe1:FREQuency:STARt 1500000000");
    client.send("SENSe1:FREQuency:STOP 2e+10");
    client.send("SENSe1:SWEep:POINts 3");
    client.send("SENSe1:BWIDth:RESolution 1000");
    client.send("SOURce1:POWer:LEVel:IMMediate:AMPLitude -12.5");
    client.send("SENSe:CORRection:PORT2:IMPedance 75");
    EXPECT_EQ(ask("SENSe1:SWEep:TYPE?"), "LOG");
    EXPECT_EQ(ask("SENSe1:FREQuency:DATA?"), "1500000000,5477225575.05166,20000000000");
    EXPECT_EQ(ask("SENSe1:BWIDth:RESolution?"), "1000");
    EXPECT_EQ(ask("SOURce1:POWer:LEVel:IMMediate:AMPLitude?"), "-12.5");
    EXPECT_EQ(ask("SENSe:CORRection:PORT2:IMPedance?"), "75");

    // A stop below the start pulls the start along; limits clamp.
    client.send("SENSe1:FREQuency:STOP 1e9");
    EXPECT_EQ(ask("SENSe1:FREQuency:STARt?"), "1000000000");
    client.send("SENSe1:FREQuency:STOP 1e12");
    EXPECT_EQ(ask("SENSe1:FREQuency:STOP?"), "20000000000");

    const AnalyzerModel model = simulator.model();
    EXPECT_EQ(model.channels.at(1).points, 3);
    EXPECT_EQ(model.portImpedances, (std::vector<double>{50.0, 75.0}));
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
}

TEST_F(QueryReplies, CalibrationStatusFollowsTheSweep)
{
    client.send("SENSe1:SWEep:POINts 401");
    EXPECT_EQ(ask("CALCulate1:CORRection:STATus?"), "C?");
    client.send("SENSe1:FREQuency:STARt 1e3");
    EXPECT_EQ(ask("SENSe1:FREQuency:STARt?").toDouble(), 100e3); // clamped to the minimum
    client.send("SENSe1:SWEep:TYPE LOG");
    EXPECT_EQ(ask("CALCulate1:CORRection:STATus?"), "C!");
    client.send("SYSTem:PRESet");
    EXPECT_EQ(ask("CALCulate1:CORRection:STATus?"), "NONE");
    EXPECT_EQ(ask("SENSe1:CORRection:TYPE?"), "NONE");
    client.send("SIMulator:CALibrate");
    EXPECT_EQ(ask("CALCulate1:CORRection:STATus?"), "C");
}

TEST_F(QueryReplies, UnknownOrInvalidLinesAreLoggedAndGetNoReply)
{
    client.send("SENSe1:FREQuency:BOGus?");
    client.send("SENSe1:SWEep:POINts many");
    client.send("SENSe99:SWEep:POINts?");
    EXPECT_EQ(ask("SENSe1:SWEep:POINts?"), "201"); // the first reply is the valid query's
    const QStringList rejected = simulator.rejectedLines(1);
    ASSERT_EQ(rejected.size(), 3);
    EXPECT_TRUE(rejected[0].startsWith("SENSe1:FREQuency:BOGus? -> "));
}

TEST_F(QueryReplies, EveryReceivedLineIsLoggedPerConnection)
{
    ScpiTestClient second;
    ASSERT_TRUE(second.connectTo(simulator.port()));
    ASSERT_EQ(ask("SYST:READy?"), "1");
    ASSERT_EQ(second.query("SERVice:PORT:COUNt?"), "2");
    client.send("OUTPut 0");
    ASSERT_EQ(ask("OUTPut?"), "0");

    EXPECT_EQ(simulator.connectionIds(), (QList<int>{1, 2}));
    EXPECT_EQ(simulator.receivedLines(1), (QStringList{"SYST:READy?", "OUTPut 0", "OUTPut?"}));
    EXPECT_EQ(simulator.receivedLines(2), (QStringList{"SERVice:PORT:COUNt?"}));
}

TEST_F(QueryReplies, TraceDefinitionsAndDisplayCommands)
{
    client.send("CALCulate1:PARameter:COUNt 3");
    client.send("CALCulate1:PARameter3:DEFine S12");
    client.send("CALCulate1:PARameter2:DEFine R2");
    client.send("CALCulate1:PARameter2:SPORt 2");
    client.send("CALCulate1:TRACe1:FORMat SMITh");
    client.send("DISPlay:WINDow1:SPLit 4");
    client.send("DISPlay:WINDow:TRACe3:Y:AUTO");
    client.send("DISPlay:HIDE");
    EXPECT_EQ(ask("CALCulate1:PARameter3:DEFine?"), "S12");
    EXPECT_EQ(ask("CALCulate1:PARameter2:DEFine?"), "R2");
    EXPECT_EQ(ask("CALCulate1:TRACe1:FORMat?"), "SMITh");
    EXPECT_EQ(ask("DISPlay:WINDow1:SPLit?"), "4");
    // A parameter of a port the analyzer does not have is refused.
    client.send("CALCulate1:PARameter1:DEFine S31");
    EXPECT_EQ(ask("CALCulate1:PARameter1:DEFine?"), "S11");
    EXPECT_EQ(simulator.rejectedLines(1).size(), 1);
    EXPECT_FALSE(simulator.model().windowShown);

    // The reference receiver sees the incident wave of 0 dBm (sqrt(1 mW)) at the driven port.
    const QStringList values = ask("CALCulate1:TRACe2:DATA:SDATa?").split(',');
    ASSERT_EQ(values.size(), 2 * 201);
    EXPECT_NEAR(values[0].toDouble(), std::sqrt(1e-3), 1e-12);
    EXPECT_EQ(values[1].toDouble(), 0.0);
}
