#include "analyzer/files/TouchstoneIO.h"
#include "tests/simulator/support/ModelPrinting.h"
#include "tests/simulator/support/SimulatorFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Simulator;

namespace {

class StateFiles : public SimulatorFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(directory.isValid());
        SimulatorFixture::SetUp();
        if (HasFatalFailure())
            return;
    }

    // Channel 1 and 2 set away from their presets, with de-embedding on port 2.
    void changeSettings()
    {
        TouchstoneData half;
        half.portCount = 2;
        half.records = {{1e9, {0.1, 0.9, 0.9, 0.2}, 2}, {2e9, {0.2, 0.8, 0.8, 0.1}, 2}};
        ASSERT_TRUE(TouchstoneIO().write(directory.filePath("half.s2p"), half));
        for (const QString& line :
             QStringList{QString("SENSe1:FREQuency:STARt 12345678.901234"), QString("SENSe1:FREQuency:STOP 8.5e9"),
              QString("SENSe1:SWEep:POINts 1001"), QString("SENSe1:BWIDth:RESolution 300"),
              QString("SOURce1:POWer:LEVel:IMMediate:AMPLitude -7.25"), QString("SENSe2:SWEep:TYPE LOG"),
              QString("SENSe:CORRection:PORT2:IMPedance 42.5"), QString("CALCulate1:PARameter:COUNt 2"),
              QString("CALCulate1:PARameter2:DEFine S21"), QString("CALCulate1:TRACe2:FORMat PHASe"),
              QString("CALCulate1:FSIMulator:STATe 1"),
              QString("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:USER:FILename ") + directory.filePath("half.s2p"),
              QString("OUTPut 0"), QString("SIMulator:CHANnel:ACTive 2")})
            client.send(line);
        ASSERT_EQ(client.query("*OPC?"), "1");
        ASSERT_TRUE(simulator.rejectedLines(1).isEmpty()) << simulator.rejectedLines(1).join("\n").toStdString();
    }

    QTemporaryDir directory;
};

} // namespace

TEST_F(StateFiles, StateWithCalibrationComesBackExactly)
{
    changeSettings();
    client.send("MMEMory:STORe:STYPe CSTate");
    ASSERT_EQ(client.query("*OPC?"), "1"); // the lines before it are carried out
    const AnalyzerModel before = simulator.model();
    const QString path = directory.filePath("saveState"); // no extension: the path is used as given
    client.send("MMEMory:STORe:STATe " + path);
    // Written before the next line is read.
    ASSERT_EQ(client.query("MMEMory:STORe:STYPe?"), "CSTate");
    EXPECT_TRUE(QFile::exists(path));

    client.send("SYSTem:PRESet");
    ASSERT_EQ(client.query("CALCulate1:CORRection:STATus?"), "NONE");
    ASSERT_NE(simulator.model(), before);
    client.send("MMEMory:LOAD " + path);
    ASSERT_EQ(client.query("*OPC?"), "1");
    EXPECT_EQ(simulator.model(), before);
    EXPECT_EQ(client.query("SENSe1:FREQuency:STARt?"), "12345678.901234");
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
}

TEST_F(StateFiles, SectionsAppendedToTheStateFileAreIgnored)
{
    changeSettings();
    client.send("MMEMory:STORe:STYPe CSTate");
    ASSERT_EQ(client.query("*OPC?"), "1"); // the lines before it are carried out
    const AnalyzerModel before = simulator.model();
    const QString path = directory.filePath("setup.sta");
    client.send("MMEMory:STORe:STATe " + path);
    ASSERT_EQ(client.query("*OPC?"), "1");

    // What the application appends to a saved setup.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write("[NOLT\\Settings]\nSetupCount=1\nMeasureMethod=TIME_GATING\n\n"
               "[NOLT\\Settings\\FixtureSetup0]\nFixtureAEnabled=true\nFixtureAPort0=0\n\n"
               "[VNA\\Channel1]\nPoints=3\n\n"
               "[NOLT\\SetupsInfo]\nMinimumRequiredPortCount=2\n\n");
    file.close();

    client.send("SYSTem:PRESet");
    client.send("MMEMory:LOAD " + path);
    ASSERT_EQ(client.query("*OPC?"), "1");
    EXPECT_EQ(simulator.model(), before);
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
}

TEST_F(StateFiles, StateWithoutCalibrationLeavesTheChannelsUncalibrated)
{
    const QString path = directory.filePath("plain");
    client.send("MMEMory:STORe:STYPe STATe");
    client.send("MMEMory:STORe:STATe " + path);
    client.send("MMEMory:LOAD " + path);
    EXPECT_EQ(client.query("CALCulate1:CORRection:STATus?"), "NONE");
}

TEST_F(StateFiles, CalibrationFileRestoresTheChannelsCalibration)
{
    const Calibration calibration = simulator.model().channels.at(1).calibration;
    const QString path = directory.filePath("calFile");
    client.send("MMEMory:STORe:CHANnel1:CALibration " + path);
    client.send("SYSTem:PRESet");
    ASSERT_EQ(client.query("SENSe1:CORRection:TYPE?"), "NONE");
    client.send("MMEMory:LOAD:CHANnel1:CALibration " + path);
    EXPECT_EQ(client.query("SENSe1:CORRection:TYPE?"), "SOLT2,1,2");
    EXPECT_EQ(simulator.model().channels.at(1).calibration, calibration);
}

TEST_F(StateFiles, DeleteRemovesTheFileAndBadFilesAreRefused)
{
    const QString path = directory.filePath("state");
    client.send("MMEMory:STORe:STATe " + path);
    client.send("MMEMory:DELete " + path);
    ASSERT_EQ(client.query("*OPC?"), "1");
    EXPECT_FALSE(QFile::exists(path));

    QFile other(directory.filePath("other.sta"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[VNA\\State]\nActiveChannel=3\n");
    other.close();
    const AnalyzerModel before = simulator.model();
    client.send("MMEMory:LOAD " + other.fileName());
    client.send("MMEMory:LOAD:CHANnel1:CALibration " + other.fileName());
    client.send("MMEMory:DELete " + path);
    client.send("MMEMory:STORe:STATe " + directory.filePath("missing/dir/state"));
    ASSERT_EQ(client.query("*OPC?"), "1");
    EXPECT_EQ(simulator.rejectedLines(1).size(), 4);
    EXPECT_EQ(simulator.model(), before);
}

// The wire sequence with which the application keeps the analyzer's state around
// a measurement: save with calibration, preset, restore the sweep, load the
// calibration, measure, then load and delete the state and restore the save type.
TEST_F(StateFiles, StateKeeperSequenceLeavesTheAnalyzerAsItWas)
{
    changeSettings();
    client.send("SIMulator:CHANnel:ACTive 1");
    ASSERT_EQ(client.query("*OPC?"), "1");
    const AnalyzerModel before = simulator.model();
    const QString state = directory.filePath("saveState");
    const QString calibration = directory.filePath("calFile");

    ASSERT_EQ(client.query("MMEMory:STORe:STYPe?"), "STATe");
    for (const QString& line :
         QStringList{"MMEMory:STORe:STYPe CSTate", "MMEMory:STORe:STATe " + state,
          "MMEMory:STORe:CHANnel1:CALibration " + calibration, QString("SYSTem:PRESet"),
          QString("SENSe1:FREQuency:STARt 12345678.901234"), QString("SENSe1:FREQuency:STOP 8500000000"),
          QString("SENSe1:SWEep:POINts 1001"), QString("SENSe1:BWIDth:RESolution 300"),
          QString("SOURce1:POWer:LEVel:IMMediate:AMPLitude -7.25"),
          "MMEMory:LOAD:CHANnel1:CALibration " + calibration, QString("CALCulate1:FSIMulator:STATe 0"),
          QString("CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 0"), QString("CALCulate1:PARameter:COUNt 1"),
          QString("CALCulate1:PARameter1:DEFine S22"), QString("INITiate1:CONTinuous OFF"),
          QString(":TRIG:SOUR BUS"), QString("INITiate1:IMMediate"), QString(":TRIG:SING")})
        client.send(line);
    ASSERT_EQ(client.query("*OPC?"), "1");
    ASSERT_EQ(client.query("CALCulate1:CORRection:STATus?"), "C?"); // calibrated on the preset's sweep
    ASSERT_TRUE(client.query("CALCulate1:TRACe1:DATA:SDATa?"));

    client.send("MMEMory:LOAD " + state);
    client.send("MMEMory:DELete " + state);
    client.send("MMEMory:STORe:STYPe STATe");
    ASSERT_EQ(client.query("*OPC?"), "1");
    EXPECT_EQ(simulator.model(), before);
    EXPECT_FALSE(QFile::exists(state));
    EXPECT_TRUE(QFile::exists(calibration));
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty()) << simulator.rejectedLines(1).join("\n").toStdString();
}

TEST_F(StateFiles, DamagedValuesRefuseTheWholeFile)
{
    const QString path = directory.filePath("state");
    client.send("MMEMory:STORe:STATe " + path);
    ASSERT_EQ(client.query("*OPC?"), "1");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();

    client.send("SENSe1:SWEep:POINts 11");
    ASSERT_EQ(client.query("*OPC?"), "1");
    const AnalyzerModel before = simulator.model();
    for (const auto& [from, to] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"Points=201", "Points=0"}, {"ActiveChannel=1", "ActiveChannel=17"}, {"Traces=1", "Traces=999999"}}) {
        QByteArray damaged = saved;
        ASSERT_TRUE(damaged.contains(from));
        damaged.replace(from, to);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        client.send("MMEMory:LOAD " + path);
        ASSERT_EQ(client.query("*OPC?"), "1");
        EXPECT_EQ(simulator.model(), before) << to.toStdString();
    }
    EXPECT_EQ(simulator.rejectedLines(1).size(), 3);
}
