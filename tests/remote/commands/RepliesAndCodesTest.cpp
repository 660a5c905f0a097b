#include "tests/remote/commands/RemoteCommandSession.h"

namespace {

class RepliesAndCodesTest : public RemoteCommandSession
{
};

struct Row
{
    QByteArray line;
    RemoteOutcome expected;
};

RemoteOutcome answer(const QByteArray& text)
{
    return {text, 0};
}

const RemoteOutcome none{};

RemoteOutcome code(int value)
{
    return {{}, value};
}

} // namespace

TEST_F(RepliesAndCodesTest, CommandsAnswerInTheirFormatsAndRefuseWhatTheyCannotDo)
{
    startWithAnalyzer();
    const QByteArray calibration = simulator.model().channel(1).calibration.type.toLatin1();
    const QByteArray missingDirectory = workingDirectory.filePath("missing/setup.sta").toUtf8();

    // In order: each row may depend on the rows before it.
    const std::vector<Row> rows{
        // Calibration and sweep tokens; a preset analyzer has its correction off.
        {"NOLT:SENSe:CALIBration:TYPE?", answer(calibration)},
        {"NOLT:SENSe:SWEep:TYPE?", answer("LIN")},
        {"NOLT:SENSe:PRESet", none},
        {"NOLT:SENSe:CALIBration:TYPE?", answer("OFF")},
        // Setters return after the analyzer was read back.
        {"NOLT:SENSe:FREQeuncy:STARt 1e9", none},
        {"NOLT:SENSe:FREQeuncy:STOP 1e10", none},
        {"NOLT:SENSe:SWEep:POINts 100", none},
        {"NOLT:SENSe:FREQeuncy:STARt?", answer("1e+09")},
        {"NOLT:SENSe:FREQeuncy:STOP?", answer("1e+10")},
        {"NOLT:SENSe:SWEep:POINts?", answer("100")},
        {"NOLT:SENSe:BANDwidth 1000", none},
        {"NOLT:SENSe:BANDwidth?", answer("1000")},
        {"NOLT:SENSe:POWer -5", none},
        {"NOLT:SENSe:POWer?", answer("-5")},
        // Not harmonic: no impedance conversion.
        {"NOLT:SYSTem:ZCONversion:TYPE?", code(279)},
        // Low-pass grids are in place when the next line runs.
        {"NOLT:CALC:LP", none},
        {"NOLT:SENSe:FREQeuncy:STARt?", answer("1e+08")},
        {"NOLT:SENSe:FREQeuncy:STEP?", answer("1e+08")},
        {"NOLT:CALC:LP:10Mhz", none},
        {"NOLT:SENSe:FREQeuncy:STARt?", answer("1e+07")},
        {"NOLT:SENSe:SWEep:POINts?", answer("2000")},
        {"NOLT:SENSe:FREQeuncy:STEP?", answer("1e+07")},
        {"NOLT:SENSe:FREQeuncy:STOP?", answer("2e+10")},
        // Methods and conversions by keyword.
        {"NOLT:SYSTem:CALCulation:METHod BI", none},
        {"NOLT:SYSTem:CALCulation:METHod?", answer("BI")},
        {"NOLT:SYSTem:CALCulation:METHod filtering", none},
        {"NOLT:SYSTem:CALCulation:METHod?", answer("FILTER")},
        {"NOLT:SYSTem:CALCulation:METHod TIME", none},
        {"NOLT:SYSTem:CALCulation:METHod?", answer("TIME")},
        {"NOLT:SYSTem:CALCulation:METHod BIS", code(104)},
        {"NOLT:SYSTem:ZCONversion:TYPE FIXT", none},
        {"NOLT:SYSTem:ZCONversion:TYPE?", answer("FIXT")},
        {"NOLT:SYSTem:ZCONversion:TYPE USER", none},
        {"NOLT:SYSTem:ZCONversion:TYPE?", answer("US")},
        {"NOLT:SYSTem:ZCONversion:TYPE system", none},
        {"NOLT:SYSTem:ZCONversion:TYPE?", answer("SYST")},
        {"NOLT:SYSTem:ZCONversion:TYPE NONE", code(104)},
        // User impedance limits, then the low-pass check switched off.
        {"NOLT:CALCulate:ZCONversion 1000", none},
        {"NOLT:CALCulate:ZCONversion 1001", code(281)},
        {"NOLT:CALCulate:ZCONversion 0", code(281)},
        {"NOLT:CALCulate:ZCONversion -5", code(281)},
        {"NOLT:SYSTem:LPass:IGNore ON", none},
        {"NOLT:SYSTem:LPass:IGNore?", answer("1")},
        {"NOLT:CALCulate:ZCONversion 1000", code(280)},
        {"NOLT:SYSTem:ZCONversion:TYPE SYST", code(280)},
        {"NOLT:SYSTem:ZCONversion:TYPE?", code(280)},
        {"NOLT:SYSTem:LPass:IGNore 0", none},
        {"NOLT:SYSTem:LPass:IGNore?", answer("0")},
        // Values that do not fit what they set.
        {"NOLT:SYSTem:VNA:PORT 70000", code(222)},
        {"NOLT:SYSTem:VNA:PORT 0", code(222)},
        {"NOLT:SENSe:SWEep:POINts -5", code(222)},
        {"NOLT:SENSe:SWEep:POINts?", answer("2000")},
        // Operations that fail say so.
        {"NOLT:SYSTem:CORRECTion:SAVE 'correction'", code(200)},
        {"NOLT:SYSTem:CORRECTion:APPLy", code(200)},
        {"NOLT:SYSTem:DATA:SAVE 'raw'", code(200)},
        {"NOLT:SYSTem:SETup:SAVE '" + missingDirectory + "'", code(200)},
        {"NOLT:SYSTem:STATe:LOAD '" + missingDirectory + "'", code(200)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(run(row.line), row.expected) << row.line.toStdString();
    EXPECT_FALSE(QFile::exists("correction1.s2p"));
}

TEST_F(RepliesAndCodesTest, TheErrorQueueHandsOutEachCodeOnceOldestFirst)
{
    startWithAnalyzer();
    EXPECT_EQ(client->query("NOLT:SYSTem:ERRor?"), "0, No error\n");
    client->send("NOLT:SYSTem:VNA:PORT 70000\nNOLT:SYSTem:STEP9:TYPE?\n");
    EXPECT_EQ(client->query("NOLT:SYSTem:ERRor?"), "-222, Data out of range\n");
    EXPECT_EQ(client->query("NOLT:SYSTem:ERRor?"), "-261, Invalid step index\n");
    EXPECT_EQ(client->query("NOLT:SYSTem:ERRor?"), "0, No error\n");
    EXPECT_EQ(client->query("NOLT:SYSTem:VNA:PORT?"), QByteArray::number(simulator.port()) + "\n");
}

TEST_F(RepliesAndCodesTest, ALowPassGridBeyondTheAnalyzerIsRefused)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.maxFrequency = 15e6; });
    startWithAnalyzer();
    EXPECT_EQ(run("NOLT:CALC:LP:10Mhz"), failed(200));
    EXPECT_EQ(run("NOLT:SENSe:FREQeuncy:STARt?"), reply("5e+07"));
}
