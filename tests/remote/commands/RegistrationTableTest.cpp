#include "tests/remote/commands/RemoteCommandSession.h"

namespace {

class RegistrationTableTest : public RemoteCommandSession
{
};

constexpr int kAnalyzerNotReady = 240;

// One line per registered pattern, in registry order, with valid arguments.
QList<QByteArray> fixtureLines(const QByteArray& side)
{
    const QByteArray root = "NOLT:SYSTem:FIXTure:" + side;
    QList<QByteArray> lines{root + " 1", root + "?", root + ":PORT1 1", root + ":PORT1?", root + ":PORT:COUNt 1",
                            root + ":PORT:COUNt?"};
    for (const QByteArray& port : {root + ":PORT1", root + ":PORT1:AUX"}) {
        if (port.endsWith("AUX"))
            lines << port + " 1" << port + "?";
        for (const char* result : {":GATing", ":IMPedance", ":LENgth"})
            lines << port + result + "?" << port + result + ":TRACe?";
    }
    return lines;
}

} // namespace

TEST_F(RegistrationTableTest, EveryPatternIsRegisteredInOrderAndOnlyThePreambleFreeOnesWorkWithoutAnAnalyzer)
{
    simulator.close();
    settings->setPort(closedPort());
    startRemote();
    const QByteArray unusedPort = QByteArray::number(closedPort());

    QList<QByteArray> lines{"*OPC?",
                            "NOLT:SYSTem:READy?",
                            "NOLT:CALC:LP",
                            "NOLT:CALC:LP:10Mhz",
                            "NOLT:CALCulate:STEP1:DUT",
                            "NOLT:CALCulate:STEP1:REFlect:OFFSet 1",
                            "NOLT:CALCulate:STEP1:REFlect:OPEN",
                            "NOLT:CALCulate:STEP1:REFlect:SHORt",
                            "NOLT:CALCulate:STEP1:THRU",
                            "NOLT:CALCulate:STEP1:THRU:OFFSet 1,2",
                            "NOLT:CALCulate:STEP1:THRU:REFOFFSet:OPEN",
                            "NOLT:CALCulate:STEP1:THRU:REFOFFSet:SHORt",
                            "NOLT:CALCulate:ZCONversion 50",
                            "NOLT:SENSe:BANDwidth 1000",
                            "NOLT:SENSe:BANDwidth?",
                            "NOLT:SENSe:CALIBration:TYPE?",
                            "NOLT:SENSe:FREQeuncy:STARt 1e6",
                            "NOLT:SENSe:FREQeuncy:STARt?",
                            "NOLT:SENSe:FREQeuncy:STEP?",
                            "NOLT:SENSe:FREQeuncy:STOP 1e9",
                            "NOLT:SENSe:FREQeuncy:STOP?",
                            "NOLT:SENSe:POWer -10",
                            "NOLT:SENSe:POWer?",
                            "NOLT:SENSe:PRESet",
                            "NOLT:SENSe:SWEep:POINts 11",
                            "NOLT:SENSe:SWEep:POINts?",
                            "NOLT:SENSe:SWEep:TYPE?",
                            "NOLT:SYSTem:CALCulation:METHod BI",
                            "NOLT:SYSTem:CALCulation:METHod?",
                            "NOLT:SYSTem:CORRECTion:APPLy",
                            "NOLT:SYSTem:CORRECTion:SAVE 'x'",
                            "NOLT:SYSTem:DATA:SAVE 'x'",
                            "NOLT:SYSTem:ERRor?",
                            "NOLT:SYSTem:FIXTure:CONNECTion:DIRect 1",
                            "NOLT:SYSTem:FIXTure:CONNECTion:DIRect?",
                            "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent 1",
                            "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?",
                            "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU 1",
                            "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU?",
                            "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU 1",
                            "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU?"};
    lines << fixtureLines("LEFT") << fixtureLines("RIGHT");
    lines << QList<QByteArray>{"NOLT:SYSTem:LPass:IGNore 1",
                               "NOLT:SYSTem:LPass:IGNore?",
                               "NOLT:SYSTem:PRESet",
                               "NOLT:SYSTem:SETup:SAVE 'x'",
                               "NOLT:SYSTem:STATe:LOAD 'x'",
                               "NOLT:SYSTem:STEP:COUNt?",
                               "NOLT:SYSTem:STEP1:DATA:DELete",
                               "NOLT:SYSTem:STEP1:MEASured?",
                               "NOLT:SYSTem:STEP1:REFlect:APPRoximation 1",
                               "NOLT:SYSTem:STEP1:REFlect:OFFSet 1",
                               "NOLT:SYSTem:STEP1:REFlect:OPEN 1",
                               "NOLT:SYSTem:STEP1:REFlect:SHORt 1",
                               "NOLT:SYSTem:STEP1:THRU:OFFSet 1",
                               "NOLT:SYSTem:STEP1:THRU:REFOFFSet 1",
                               "NOLT:SYSTem:STEP1:THRU:REFOFFSet:OPEN 1",
                               "NOLT:SYSTem:STEP1:THRU:REFOFFSet:SHORt 1",
                               "NOLT:SYSTem:STEP1:TYPE?",
                               "NOLT:SYSTem:VNA:DEFault",
                               "NOLT:SYSTem:VNA:IP '127.0.0.1'",
                               "NOLT:SYSTem:VNA:IP?",
                               "NOLT:SYSTem:VNA:PORT " + unusedPort,
                               "NOLT:SYSTem:VNA:PORT?",
                               "NOLT:SYSTem:ZCONversion:TYPE SYST",
                               "NOLT:SYSTem:ZCONversion:TYPE?"};
    ASSERT_EQ(lines.size(), 105);

    // What works without an analyzer; every other command needs one.
    const QMap<QByteArray, RemoteOutcome> withoutAnalyzer{
        {"*OPC?", reply("1")},
        {"NOLT:SYSTem:READy?", reply("0")},
        {"NOLT:SYSTem:VNA:DEFault", done()},
        {"NOLT:SYSTem:VNA:IP '127.0.0.1'", done()},
        {"NOLT:SYSTem:VNA:IP?", reply("127.0.0.1")},
        {"NOLT:SYSTem:VNA:PORT " + unusedPort, done()},
        {"NOLT:SYSTem:VNA:PORT?", reply(unusedPort)}};
    for (const QByteArray& line : lines) {
        if (line == "NOLT:SYSTem:ERRor?") {
            EXPECT_EQ(client->query(line).trimmed(), "0, No error");
            continue;
        }
        EXPECT_EQ(run(line), withoutAnalyzer.value(line, failed(kAnalyzerNotReady))) << line.toStdString();
    }
    // An empty path does nothing, also without an analyzer.
    for (const char* line : {"NOLT:SYSTem:CORRECTion:SAVE ''", "NOLT:SYSTem:DATA:SAVE ''",
                             "NOLT:SYSTem:SETup:SAVE \"\"", "NOLT:SYSTem:STATe:LOAD ''"})
        EXPECT_EQ(run(line), done()) << line;
}
