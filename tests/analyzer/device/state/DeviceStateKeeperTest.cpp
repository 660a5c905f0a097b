#include "analyzer/state/DeviceStateKeeper.h"
#include "analyzer/threading/WaitForResult.h"
#include "tests/analyzer/device/support/CorrectionChecks.h"
#include "tests/analyzer/device/support/FacadeSession.h"
#include "tests/support/StateFilesLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using Simulator::AnalyzerModel;
using Simulator::Fault;

namespace {

// The queries of one refresh of a 2-port analyzer on channel 1 whose port count is known.
QStringList refreshLines(bool calibrated)
{
    QStringList lines{"SYST:READy?",
                      "SERVice:CHANnel:ACTive?",
                      "SENSe1:SWEep:TYPE?",
                      "SENSe1:FREQuency:STARt?",
                      "SENSe1:FREQuency:STOP?",
                      "SERVice:SWEep:FREQuency:MAXimum?",
                      "SENSe1:SWEep:POINts?",
                      "SENSe1:BWIDth:RESolution?",
                      "SOURce1:POWer:LEVel:IMMediate:AMPLitude?",
                      "*IDN?",
                      "CALCulate1:CORRection:STATus?"};
    if (calibrated)
        lines << "SENSe1:CORRection:TYPE?";
    lines << "CALCulate1:CORRection:STATus?"
          << "CALCulate1:CORRection:STATus?"
          << "SENSe1:CORRection:TYPE?"
          << "SERVice:PORT:COUNt?"
          << "SENSe:CORRection:PORT1:IMPedance?"
          << "SENSe:CORRection:PORT2:IMPedance?";
    return lines;
}

// The queries that read channel 1's trigger source, continuous sweep, traces and
// correction, and the impedance of each of the analyzer's ports.
QStringList keptSettingsLines(int traces, int ports = 2)
{
    QStringList lines{":TRIG:SOUR?", "INITiate1:CONTinuous?", "CALCulate1:PARameter:COUNt?"};
    for (int trace = 1; trace <= traces; ++trace)
        lines << QString("CALCulate1:PARameter%1:DEFine?").arg(trace);
    lines << "CALCulate1:FSIMulator:STATe?"
          << "CALCulate1:FSIMulator:SENDed:DEEMbed:STATe?"
          << "SERVice:PORT:COUNt?";
    for (int port = 1; port <= ports; ++port)
        lines << QString("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT%1:STATe?").arg(port)
              << QString("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT%1:USER:FILename?").arg(port)
              << QString("SENSe:CORRection:PORT%1:IMPedance?").arg(port);
    return lines;
}

// A line as the analyzer's command set spells it: its queries, and the query forms
// of its setters, and the setters that put a state back.
bool spelledAsTheCommandSet(const QString& line)
{
    static const QStringList patterns{
        R"(SYST:READy\?)", R"(SERVice:CHANnel:ACTive\?)", R"(SERVice:PORT:COUNt\?)",
        R"(SERVice:SWEep:FREQuency:MAXimum\?)", R"(\*IDN\?)", R"(SENSe1:SWEep:(TYPE|POINts)\?)",
        R"(SENSe1:FREQuency:(STARt|STOP)\?)", R"(SENSe1:BWIDth:RESolution\?)",
        R"(SOURce1:POWer:LEVel:IMMediate:AMPLitude\?)", R"(CALCulate1:CORRection:STATus\?)",
        R"(SENSe1:CORRection:TYPE\?)", R"(MMEMory:STORe:STYPe\?)",
        R"(:TRIG:SOUR( [A-Z]+|\?))", R"(INITiate1:CONTinuous( ON| OFF|\?))",
        R"(CALCulate1:PARameter:COUNt( \d+|\?))", R"(CALCulate1:PARameter\d+:DEFine( S\d\d|\?))",
        R"(CALCulate1:FSIMulator(:SENDed:DEEMbed(:PORT\d+)?)?:STATe( [01]|\?))",
        R"(CALCulate1:FSIMulator:SENDed:DEEMbed:PORT\d+:USER:FILename( .+|\?))",
        R"(SENSe:CORRection:PORT\d+:IMPedance( [-+.e\d]+|\?))", R"(MMEMory:(LOAD|DELete) .+)",
        R"(MMEMory:STORe:STYPe [A-Za-z]+)"};
    for (const QString& pattern : patterns) {
        if (QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(line).hasMatch())
            return true;
    }
    return false;
}

class DeviceStateKeeperTest : public FacadeSession
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock.acquire());
        FacadeSession::SetUp();
    }

    void setUserSweep(double start, double stop)
    {
        simulator.changeModel([start, stop](AnalyzerModel& model) {
            model.channel(1).startFrequency = start;
            model.channel(1).stopFrequency = stop;
            model.channel(1).points = 401;
            model.channel(1).ifBandwidth = 1e3;
            model.channel(1).power = -5;
        });
    }

    // Two refreshes: the second one has read the impedances, as in the running program.
    void refreshTwice()
    {
        ASSERT_TRUE(refresh());
        ASSERT_TRUE(refresh());
        simulator.clearLog();
    }

    // Makes the analyzer come out of its preset with this sweep.
    void presetGives(double start, double stop)
    {
        QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &simulator,
                         [this, start, stop, preset = false](int, const QString& line) mutable {
                             if (line == "SYSTem:PRESet") {
                                 preset = true;
                             } else if (preset) {
                                 preset = false;
                                 simulator.changeModel([start, stop](AnalyzerModel& model) {
                                     model.channel(1).startFrequency = start;
                                     model.channel(1).stopFrequency = stop;
                                 });
                             }
                         });
    }

    // The lines after the refresh that follows the preset, up to the calibration load.
    QStringList reappliedLines(const DeviceStateKeeper& keeper) const
    {
        const QStringList received = allLines();
        const int refreshEnd = received.indexOf(refreshLines(true).last(), received.indexOf("SYSTem:PRESet"));
        const int load = received.indexOf("MMEMory:LOAD:CHANnel1:CALibration " + keeper.calibrationFilePath());
        if (refreshEnd < 0 || load < refreshEnd)
            return {"<sequence incomplete>"};
        return received.mid(refreshEnd + 1, load - refreshEnd - 1);
    }

    // The user's sweep is re-applied, start before stop, over a preset that gives another sweep.
    void expectSweepComesBack(double savedStart, double savedStop, double presetStart, double presetStop)
    {
        setUserSweep(savedStart, savedStop);
        refreshTwice();
        presetGives(presetStart, presetStop);

        DeviceStateKeeper keeper(device.get());
        ASSERT_TRUE(keeper.saveAndPreset());
        ASSERT_TRUE(refresh());
        EXPECT_EQ(reappliedLines(keeper).mid(0, 2),
                  (QStringList{"SENSe1:FREQuency:STARt " + QString::number(savedStart, 'g', 10),
                               "SENSe1:FREQuency:STOP " + QString::number(savedStop, 'g', 10)}));
        EXPECT_EQ(simulator.model().findChannel(1)->startFrequency, savedStart);
        EXPECT_EQ(simulator.model().findChannel(1)->stopFrequency, savedStop);
        keeper.restore();
    }

    StateFilesLock lock;
};

} // namespace

TEST_F(DeviceStateKeeperTest, SavePresetAndRestoreGiveBackTheSameAnalyzer)
{
    setUserSweep(1e9, 5e9);
    refreshTwice();
    const AnalyzerModel before = simulator.model();

    QStringList notices;
    DeviceStateKeeper keeper(device.get(), {}, [&notices](const QString& notice) { notices << notice; });
    ASSERT_TRUE(keeper.saveAndPreset());
    ASSERT_TRUE(refresh());

    const QString state = keeper.stateFilePath();
    const QString calibration = keeper.calibrationFilePath();
    EXPECT_EQ(state, QDir(QCoreApplication::applicationDirPath()).filePath("tmp/saveState"));
    QStringList expected{"MMEMory:STORe:STYPe?"};
    expected << keptSettingsLines(1)
             << QStringList{"MMEMory:STORe:STYPe CSTate", "MMEMory:STORe:STATe " + state,
                            "MMEMory:STORe:CHANnel1:CALibration " + calibration, "SYSTem:PRESet"};
    expected << refreshLines(false)
             << QStringList{"SENSe1:FREQuency:STARt 1000000000", "SENSe1:FREQuency:STOP 5000000000",
                            "SENSe1:SWEep:POINts 401", "SENSe1:BWIDth:RESolution 1000",
                            "SOURce1:POWer:LEVel:IMMediate:AMPLitude -5",
                            "MMEMory:LOAD:CHANnel1:CALibration " + calibration};
    EXPECT_EQ(allLines().mid(0, expected.size()), expected);

    // Measured on the user's sweep and calibration.
    EXPECT_EQ(*simulator.model().findChannel(1), *before.findChannel(1));

    simulator.clearLog();
    keeper.restore();
    // The continuous sweep goes the other way first: only a load that took sets it back.
    EXPECT_EQ(allLines().mid(0, 4), (QStringList{"INITiate1:CONTinuous OFF", "MMEMory:LOAD " + state,
                                              "MMEMory:DELete " + state, "MMEMory:STORe:STYPe STATe"}));
    EXPECT_EQ(allLines().mid(4), keptSettingsLines(1) + refreshLines(true));
    EXPECT_TRUE(simulator.model() == before);
    EXPECT_FALSE(QFile::exists(state));
    EXPECT_EQ(notices, QStringList{}) << "a restore that took says nothing";

    simulator.clearLog();
    keeper.restore();
    EXPECT_EQ(allLines(), QStringList{}) << "a second restore sends nothing";
}

TEST_F(DeviceStateKeeperTest, SettingsEqualToThePresetAreNotSentAgain)
{
    simulator.changeModel([](AnalyzerModel& model) { model.preset(); });
    refreshTwice();

    DeviceStateKeeper keeper(device.get());
    ASSERT_TRUE(keeper.saveAndPreset());
    ASSERT_TRUE(refresh());
    EXPECT_EQ(reappliedLines(keeper), QStringList{});
    keeper.restore();
}

TEST_F(DeviceStateKeeperTest, StopIsDecidedAgainstTheSavedStart)
{
    // The preset's start lies above the saved stop; the saved start comes first and the stop still follows.
    expectSweepComesBack(1e9, 3e9, 6e9, 8e9);
}

TEST_F(DeviceStateKeeperTest, SavedStartAboveThePresetStopGoesFirst)
{
    expectSweepComesBack(5e9, 8e9, 100e6, 2e9);
}

TEST_F(DeviceStateKeeperTest, UnknownSettingsAreNotSent)
{
    setUserSweep(1e9, 5e9);
    // A points reply that is no count leaves the count unknown.
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).points = -1; });
    ASSERT_TRUE(refresh());
    ASSERT_FALSE(device->pointsCount().has_value());
    ASSERT_TRUE(device->ifBandwidth().has_value());
    simulator.clearLog();

    DeviceStateKeeper keeper(device.get());
    ASSERT_TRUE(keeper.saveAndPreset());
    ASSERT_TRUE(refresh());
    const QStringList reapplied = reappliedLines(keeper);
    EXPECT_EQ(reapplied.filter("POINts").size(), 0);
    EXPECT_EQ(reapplied.size(), 4) << reapplied.join(" | ").toStdString();
    keeper.restore();
}

TEST_F(DeviceStateKeeperTest, UnansweredSaveTypeIsNotRestored)
{
    refreshTwice();
    ASSERT_TRUE(simulator.injectFault({Fault::Kind::NoReply, "MMEM:STOR:STYP?", 1, 0, 1}));

    DeviceStateKeeper keeper(device.get());
    ASSERT_TRUE(keeper.saveAndPreset());
    keeper.restore();
    const QStringList all = allLines();
    EXPECT_EQ(all.filter("MMEMory:STORe:STYPe ").size(), 1);
    EXPECT_TRUE(all.contains("MMEMory:LOAD " + keeper.stateFilePath()));
}

TEST_F(DeviceStateKeeperTest, FailedRefreshAfterThePresetRestoresAtOnce)
{
    setUserSweep(1e9, 5e9);
    refreshTwice();
    const AnalyzerModel before = simulator.model();
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &simulator,
                     [this](int, const QString& line) {
                         if (line == "SYSTem:PRESet")
                             simulator.setReady(false);
                     });

    DeviceStateKeeper keeper(device.get());
    EXPECT_FALSE(keeper.saveAndPreset());
    const QString state = keeper.stateFilePath();
    const QStringList received = allLines();
    const int preset = received.indexOf("SYSTem:PRESet");
    ASSERT_GE(preset, 0);
    const QStringList restore{"INITiate1:CONTinuous OFF", "MMEMory:LOAD " + state, "MMEMory:DELete " + state,
                              "MMEMory:STORe:STYPe STATe"};
    EXPECT_EQ(received.mid(preset + 1),
              QStringList{"SYST:READy?"} + restore + keptSettingsLines(1) + QStringList{"SYST:READy?"});
    simulator.setReady(true);
    AnalyzerModel after = simulator.model();
    EXPECT_TRUE(after == before);

    simulator.clearLog();
    keeper.restore();
    EXPECT_EQ(allLines(), QStringList{});
}

TEST_F(DeviceStateKeeperTest, AnalyzerIsNotPresetWhenItsStateCouldNotBeSaved)
{
    simulator.changeModel([](AnalyzerModel& model) { model.activeChannel = 0; });
    refreshTwice();

    DeviceStateKeeper keeper(device.get());
    EXPECT_FALSE(keeper.saveAndPreset());
    keeper.restore();
    ASSERT_TRUE(refresh());
    EXPECT_FALSE(allLines().contains("SYSTem:PRESet"));
    EXPECT_EQ(allLines().filter("MMEMory:STORe:STYPe "),
              (QStringList{"MMEMory:STORe:STYPe CSTate", "MMEMory:STORe:STYPe STATe"}));
    EXPECT_EQ(allLines().filter("MMEMory:LOAD").size(), 0);
}

// The analyzer refuses the load (its state file is gone): it would stay as the
// measurement left it, waiting for a bus trigger with its traces replaced.
TEST_F(DeviceStateKeeperTest, ARefusedLoadPutsTheTriggeringBackAndTellsWhatIsNotRestored)
{
    simulator.changeModel([](AnalyzerModel& model) {
        model.channel(1).traces = {{"S21", 1, "MLOGarithmic"}, {"S12", 1, "PHASe"}};
    });
    refreshTwice();
    QStringList notices;
    DeviceStateKeeper keeper(device.get(), {}, [&notices](const QString& notice) { notices << notice; });
    ASSERT_TRUE(keeper.saveAndPreset());
    const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
        [this](auto callback) { device->measure({{1, 1}}, std::move(callback)); });
    ASSERT_TRUE(traces);
    ASSERT_EQ(simulator.model().triggerSource, "BUS");

    ASSERT_TRUE(simulator.injectFault({Fault::Kind::Refused, "MMEMory:LOAD", 1, 0, 0}));
    simulator.clearLog();
    EXPECT_FALSE(keeper.restore());
    ASSERT_EQ(simulator.rejectedLines(simulator.connectionIds().front()).filter("MMEMory:LOAD ").size(), 1);
    EXPECT_EQ(simulator.model().triggerSource, "INT");
    EXPECT_TRUE(simulator.model().channel(1).continuous);
    EXPECT_EQ(notices, QStringList{"VNA did not load back the state it had before the measurement. Set back as "
                                   "before: trigger source, continuous sweep. Not restored: traces (S21, S12)."});
    // Set back in the command set's own spellings, which an analyzer that knows no other takes.
    EXPECT_TRUE(allLines().contains(":TRIG:SOUR INT"));
    EXPECT_TRUE(allLines().contains("INITiate1:CONTinuous ON"));
    for (const QString& line : allLines())
        EXPECT_TRUE(spelledAsTheCommandSet(line)) << line.toStdString();
}

// A bus-triggered test program left the analyzer with the traces a measurement
// makes, and the fixtures were applied: a refused load would leave the analyzer
// just as the measurement does, but without its correction and at 50 ohm.
TEST_F(DeviceStateKeeperTest, ARefusedLoadIsToldAndPutsTheCorrectionBack)
{
    QTemporaryDir files;
    ASSERT_TRUE(files.isValid());
    QFile half(files.filePath("deembed.s2p"));
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write("# Hz S RI R 75\n1e6 0.1 0 0.9 0 0.9 0 0.1 0\n2e10 0.1 0 0.9 0 0.9 0 0.1 0\n");
    half.close();
    simulator.changeModel([](AnalyzerModel& model) {
        model.triggerSource = "BUS";
        model.channel(1).continuous = false;
        model.channel(1).traces = {{"S11", 1, "MLOGarithmic"}, {"S12", 2, "MLOGarithmic"},
                                   {"S21", 1, "MLOGarithmic"}, {"S22", 2, "MLOGarithmic"}};
    });
    refreshTwice();
    for (uint port : {0u, 1u}) {
        device->setImpedance(port, 75.0);
        device->setDeembeddingState(port, false);
        device->setDeembeddingFile(port, half.fileName());
    }
    device->setDeembeddingState(true);
    device->setFixtureSimulationState(true);
    refreshTwice();
    const AnalyzerModel applied = simulator.model();
    ASSERT_TRUE(applied.findChannel(1)->fixtureSimulator && applied.findChannel(1)->deembedding);
    ASSERT_EQ(applied.findChannel(1)->deembeddingPorts.size(), 2u);
    ASSERT_EQ(applied.portImpedances, (std::vector<double>{75.0, 75.0}));

    QStringList notices;
    DeviceStateKeeper keeper(device.get(), {}, [&notices](const QString& notice) { notices << notice; });
    ASSERT_TRUE(keeper.saveAndPreset());
    const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
        [this](auto callback) { device->measure({{0, 0}, {0, 1}, {1, 0}, {1, 1}}, std::move(callback)); });
    ASSERT_TRUE(traces);

    ASSERT_TRUE(simulator.injectFault({Fault::Kind::Refused, "MMEMory:LOAD", 1, 0, 0}));
    simulator.clearLog();
    EXPECT_FALSE(keeper.restore());
    ASSERT_EQ(simulator.rejectedLines(simulator.connectionIds().front()).filter("MMEMory:LOAD ").size(), 1);
    EXPECT_EQ(notices, QStringList{"VNA did not load back the state it had before the measurement. Set back as "
                                   "before: continuous sweep, fixture simulator, de-embedding, port impedances."});
    expectBusTriggeredWithCorrection(simulator.model(), applied);
    for (const QString& line : allLines())
        EXPECT_TRUE(spelledAsTheCommandSet(line)) << line.toStdString();
}
