#include "analyzer/device/VNADevice.h"
#include "tests/analyzer/device/support/SimulatorSession.h"

#include "analyzer/files/TouchstoneIO.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

class VNADeviceWireTest : public SimulatorSession
{
protected:
    void SetUp() override
    {
        SimulatorSession::SetUp();
        ASSERT_TRUE(device.connectToDevice(host(), simulator.port()));
    }

    // Lines already written have reached the analyzer once a later query is answered.
    QStringList linesAfterSync()
    {
        device.isReady();
        QStringList received = lines();
        received.removeAll("SYST:READy?");
        return received;
    }

    VNADevice device;
    QSignalSpy errors{&device, &VNADevice::error};
};

} // namespace

TEST_F(VNADeviceWireTest, QueriesReadTheAnalyzersSettings)
{
    simulator.setPortCount(4);
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.activeChannel = 2;
        model.channel(2).startFrequency = 10e6;
        model.channel(2).stopFrequency = 3e9;
        model.channel(2).points = 11;
        model.channel(2).ifBandwidth = 300;
        model.channel(2).power = -7.5;
        model.channel(2).sweepType = Simulator::SweepType::Logarithmic;
        model.portImpedances[2] = 75;
        model.calibrateAllPorts(2);
    });

    EXPECT_EQ(device.isReady(), true);
    EXPECT_EQ(device.activeChannel(), 1u);
    EXPECT_EQ(device.portCount(), 4u);
    EXPECT_EQ(device.sweepType(1), SweepType::Logarithmic);
    EXPECT_EQ(device.startFreq(1), 10e6);
    EXPECT_EQ(device.stopFreq(1), 3e9);
    EXPECT_EQ(device.pointsCount(1), 11u);
    EXPECT_EQ(device.ifBandwidth(1), 300.0);
    EXPECT_EQ(device.outputPower(1), -7.5);
    EXPECT_EQ(device.impedance(2), 75.0);
    EXPECT_EQ(device.maxFrequency(), simulator.model().maxFrequency);
    EXPECT_EQ(device.calibrationType(1), VNADevice::Solt4);
    EXPECT_EQ(device.correctionType(1), (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(device.stateFileSaveType(), VNADevice::State);
    const std::optional<std::vector<double>> frequencies = device.frequencies(1);
    ASSERT_TRUE(frequencies.has_value());
    EXPECT_EQ(frequencies->size(), 11u);
    EXPECT_DOUBLE_EQ(frequencies->back(), 3e9);

    const std::optional<VnaInfo> info = device.identification();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->model, QString(simulator.model().identification.model).remove(' '));
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(VNADeviceWireTest, UncalibratedChannelReadsAsNoCorrection)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.channel(1).calibration = {}; });
    EXPECT_EQ(device.calibrationType(0), VNADevice::NoCorrection);
    EXPECT_EQ(device.correctionType(0), std::vector<double>{});
    EXPECT_EQ(device.isExtrapolated(0), false);
    EXPECT_EQ(device.isInterpolated(0), false);
}

TEST_F(VNADeviceWireTest, CommandsLeaveAsTheAnalyzerExpectsThem)
{
    QTemporaryDir dir;
    const QString deembedding = dir.filePath("fixture left.s2p");
    TouchstoneData thru;
    thru.portCount = 2;
    thru.R = 50;
    for (const double f : {1e6, 1e9, 20e9})
        thru.records.push_back({f, {0, 1, 1, 0}, 2});
    ASSERT_TRUE(TouchstoneIO().write(deembedding, thru));

    device.setNumberOfTraces(2, 0);
    device.setStartFreq(1.5e9, 0);
    device.setStopFreq(12345.678901234, 0);
    device.setStopFreq(20e9, 0);
    device.setPointsCount(401, 0);
    device.setSweepType(SweepType::Segment, 0);
    device.setMeasuredParametr(1, 1, 0, 0);
    device.setGraphicDefine(0, VNADevice::TestReceiver, 1, 0, 0);
    device.setGraphicFormat(1, VNADevice::Smith, 0);
    device.setDeembeddingFile(0, 1, deembedding);
    device.setDeembeddingState(0, 1, true);
    device.setEnablePowerSource(false);
    device.setStateFileSaveType(VNADevice::ChannelState);
    EXPECT_TRUE(device.triggerSingle(0));

    EXPECT_EQ(linesAfterSync(), (QStringList{
                                    "CALCulate1:PARameter:COUNt 2",
                                    "SENSe1:FREQuency:STARt 1500000000",
                                    "SENSe1:FREQuency:STOP 12345.6789",
                                    "SENSe1:FREQuency:STOP 2e+10",
                                    "SENSe1:SWEep:POINts 401",
                                    "SENSe1:SWEep:TYPE SEGM",
                                    "CALCulate1:PARameter2:DEFine S21",
                                    "CALCulate1:PARameter1:DEFine T2",
                                    "CALCulate1:TRACe2:FORMat SMITh",
                                    "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:USER:FILename " + deembedding,
                                    "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:STATe 1",
                                    "OUTPut 0",
                                    "MMEMory:STORe:STYPe CSTate",
                                    "INITiate1:CONTinuous OFF",
                                    ":TRIG:SOUR BUS",
                                    "INITiate1:IMMediate",
                                    ":TRIG:SING",
                                }));
    EXPECT_EQ(simulator.rejectedLines(simulator.connectionIds().front()), QStringList{});
    EXPECT_EQ(simulator.model().channel(1).points, 401);
}

TEST_F(VNADeviceWireTest, FileDisplayAndSourceCommandsLeaveAsTheAnalyzerExpectsThem)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("user state");
    const QString calibration = dir.filePath("calibration");

    device.setIfBandwidth(1000, 0);
    device.setOutputPower(-7.5, 0);
    device.setImpedance(1, 75);
    device.setGraphicsLayout(2, 0);
    device.setYTraceAutoscale(0);
    device.setGraphicSport(0, 1, 0);
    device.setFixtureSimulationState(0, true);
    device.setDeembeddingState(0, false);
    device.showWindow(false);
    device.showWindow(true);
    device.saveStateFile(state);
    device.saveCalibrationFile(0, calibration);
    device.loadCalibrationFile(0, calibration);
    device.loadStateFile(state);
    device.memoryDeleteState(state);
    device.preset();

    EXPECT_EQ(linesAfterSync(), (QStringList{
                                    "SENSe1:BWIDth:RESolution 1000",
                                    "SOURce1:POWer:LEVel:IMMediate:AMPLitude -7.5",
                                    "SENSe:CORRection:PORT2:IMPedance 75",
                                    "DISPlay:WINDow1:SPLit 2",
                                    "DISPlay:WINDow:TRACe1:Y:AUTO",
                                    "CALCulate1:PARameter1:SPORt 2",
                                    "CALCulate1:FSIMulator:STATe 1",
                                    "CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 0",
                                    "DISPlay:HIDE",
                                    "DISPlay:SHOW",
                                    "MMEMory:STORe:STATe " + state,
                                    "MMEMory:STORe:CHANnel1:CALibration " + calibration,
                                    "MMEMory:LOAD:CHANnel1:CALibration " + calibration,
                                    "MMEMory:LOAD " + state,
                                    "MMEMory:DELete " + state,
                                    "SYSTem:PRESet",
                                }));
    EXPECT_EQ(simulator.rejectedLines(simulator.connectionIds().front()), QStringList{});
    EXPECT_FALSE(QFile::exists(state));
    EXPECT_EQ(errors.count(), 0);
}

TEST_F(VNADeviceWireTest, PathsThatWouldInjectCommandsAreRefused)
{
    EXPECT_FALSE(device.saveStateFile("/tmp/state\nSYSTem:PRESet"));
    EXPECT_FALSE(device.loadStateFile("/tmp/state;*RST"));
    EXPECT_FALSE(device.memoryDeleteState("/tmp/state\r"));
    EXPECT_FALSE(device.saveCalibrationFile(0, QString("/tmp/cal") + QChar(0x2028) + "x"));
    EXPECT_FALSE(device.setDeembeddingFile(0, 0, "/tmp/a\tb.s2p"));

    EXPECT_EQ(errors.count(), 5);
    EXPECT_EQ(linesAfterSync(), QStringList{});
    EXPECT_TRUE(device.loadStateFile("/tmp/state file"));
    EXPECT_EQ(linesAfterSync(), QStringList{"MMEMory:LOAD /tmp/state file"});
}
