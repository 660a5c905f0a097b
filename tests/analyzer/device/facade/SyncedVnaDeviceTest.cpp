#include "analyzer/threading/WaitForResult.h"
#include "tests/analyzer/device/support/FacadeSession.h"
#include "tests/analyzer/device/support/QueuedRelay.h"
#include "tests/support/MessageCapture.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

using Simulator::AnalyzerModel;

namespace {

class SyncedVnaDeviceTest : public FacadeSession
{
protected:
    void expectEverythingUnknown() const
    {
        EXPECT_FALSE(device->isReady().has_value());
        EXPECT_FALSE(device->sweepType().has_value());
        EXPECT_FALSE(device->startFreq().has_value());
        EXPECT_FALSE(device->stopFreq().has_value());
        EXPECT_FALSE(device->maxFreq().has_value());
        EXPECT_FALSE(device->pointsCount().has_value());
        EXPECT_FALSE(device->stepFreq().has_value());
        EXPECT_FALSE(device->ifBandwidth().has_value());
        EXPECT_FALSE(device->outputPower().has_value());
        EXPECT_FALSE(device->vnaInfo().has_value());
        EXPECT_FALSE(device->calibrationType().has_value());
        EXPECT_FALSE(device->isExtrapolated().has_value());
        EXPECT_FALSE(device->isInterpolated().has_value());
        EXPECT_TRUE(device->calibratedPorts().empty());
        EXPECT_FALSE(device->portsCount().has_value());
        EXPECT_FALSE(device->impedance(0).has_value());
        EXPECT_FALSE(device->property("portsCount").isValid());
        EXPECT_FALSE(device->property("vnaInfo").isValid());
        EXPECT_FALSE(device->property("isReady").isValid());
        EXPECT_FALSE(device->property("calibratedPorts").isValid());
    }

    static int countOf(const QStringList& lines, const QString& text)
    {
        return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                              [&text](const QString& line) { return line.contains(text); }));
    }
};

} // namespace

TEST_F(SyncedVnaDeviceTest, WithoutAnalyzerEveryValueStaysUnknown)
{
    device->setPort(closedPort());
    expectEverythingUnknown();
    EXPECT_FALSE(refresh());
    expectEverythingUnknown();
    EXPECT_FALSE(device->isConnected());
}

TEST_F(SyncedVnaDeviceTest, PeriodicRefreshRetriesAPauseAfterEachFailure)
{
    device->setPort(closedPort());
    QueuedRelay relay(device.get(), &SyncedVnaDevice::isReadyChanged);
    QSignalSpy attempts(&relay, &QueuedRelay::relayed);
    QElapsedTimer elapsed;
    elapsed.start();
    device->startAutoRefresh();
    ASSERT_TRUE(attempts.wait(2000));
    const qint64 first = elapsed.elapsed();
    ASSERT_TRUE(attempts.wait(3000));
    EXPECT_GE(elapsed.elapsed() - first, SyncedVnaDevice::RefreshPauseMs + ConnectLimit.count() - 50);
}

TEST_F(SyncedVnaDeviceTest, RefreshReadsTheSettingsAndImpedancesFromTheSecondTimeOn)
{
    simulator.changeModel([](AnalyzerModel& model) {
        model.channel(1).startFrequency = 1e9;
        model.channel(1).stopFrequency = 2e9;
        model.channel(1).points = 11;
        model.channel(1).ifBandwidth = 1e3;
        model.channel(1).power = -3;
        model.portImpedances = {50, 75};
    });
    QSignalSpy connected(device.get(), &SyncedVnaDevice::isConnectedChanged);

    ASSERT_TRUE(refresh());
    EXPECT_TRUE(device->isConnected());
    EXPECT_EQ(device->isReady(), true);
    EXPECT_EQ(device->sweepType(), SweepType::Linear);
    EXPECT_EQ(device->startFreq(), 1e9);
    EXPECT_EQ(device->stopFreq(), 2e9);
    EXPECT_EQ(device->pointsCount(), 11u);
    EXPECT_EQ(device->stepFreq(), 1e8);
    EXPECT_EQ(device->ifBandwidth(), 1e3);
    EXPECT_EQ(device->outputPower(), -3.0);
    EXPECT_EQ(device->maxFreq(), simulator.model().maxFrequency);
    EXPECT_EQ(device->calibrationType(), VNADevice::Solt2);
    EXPECT_EQ(device->calibratedPorts(), (std::vector<double>{0, 1}));
    EXPECT_EQ(device->portsCount(), 2);
    EXPECT_EQ(device->property("portsCount").toInt(), 2);
    EXPECT_TRUE(device->property("vnaInfo").value<VnaInfo>() == *device->vnaInfo());
    EXPECT_FALSE(device->impedance(0).has_value());
    EXPECT_EQ(countOf(lines(), "IMPedance?"), 0);

    ASSERT_TRUE(refresh());
    EXPECT_EQ(device->impedance(0), 50.0);
    EXPECT_EQ(device->impedance(1), 75.0);
    EXPECT_FALSE(device->impedance(2).has_value());
    EXPECT_EQ(countOf(lines(), "IMPedance?"), 2);
    EXPECT_TRUE(connected.count() > 0 || connected.wait(1000));
}

TEST_F(SyncedVnaDeviceTest, FewerPortsAreAnnouncedBeforeTheImpedancesAndTheLostOnesAreNotAsked)
{
    simulator.setPortCount(4);
    ASSERT_TRUE(refresh());
    ASSERT_TRUE(refresh());
    ASSERT_EQ(device->impedance(3), 50.0);

    // Both come from the worker; the relays keep the order they were emitted in.
    QStringList announced;
    QueuedRelay count(device.get(), &SyncedVnaDevice::portsCountChanged);
    QueuedRelay impedances(device.get(), &SyncedVnaDevice::impedancesChanged);
    QObject::connect(&count, &QueuedRelay::relayed, [&announced] { announced << "ports count"; });
    QObject::connect(&impedances, &QueuedRelay::relayed, [&announced] { announced << "impedances"; });
    simulator.setPortCount(2);
    simulator.clearLog();

    ASSERT_TRUE(refresh());
    QCoreApplication::processEvents();
    EXPECT_EQ(announced, (QStringList{"ports count", "impedances"}));
    EXPECT_EQ(device->portsCount(), 2);
    EXPECT_EQ(device->impedance(1), 50.0);
    EXPECT_FALSE(device->impedance(2).has_value());
    EXPECT_EQ(countOf(lines(), "IMPedance?"), 2);
    EXPECT_EQ(countOf(lines(), "PORT3:IMPedance?") + countOf(lines(), "PORT4:IMPedance?"), 0);
}

TEST_F(SyncedVnaDeviceTest, NotReadyAnalyzerKeepsThePreviousSweepValues)
{
    ASSERT_TRUE(refresh());
    const std::optional<double> start = device->startFreq();
    simulator.setReady(false);
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).startFrequency = 5e9; });

    EXPECT_FALSE(refresh());
    EXPECT_EQ(device->isReady(), false);
    EXPECT_EQ(device->startFreq(), start);
    EXPECT_EQ(device->portsCount(), 2);
}

TEST_F(SyncedVnaDeviceTest, LostAnalyzerAnnouncesThePortCountOnce)
{
    ASSERT_TRUE(refresh());
    QSignalSpy portsCount(device.get(), &SyncedVnaDevice::portsCountChanged);
    simulator.close();

    // The first refresh may still find the closing link and only lose its reply.
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_FALSE(refresh());
    EXPECT_EQ(portsCount.count(), 1);
    expectEverythingUnknown();
    EXPECT_FALSE(device->isConnected());
}

TEST_F(SyncedVnaDeviceTest, SettersSkipValuesThatChangeNothing)
{
    ASSERT_TRUE(refresh());
    const double start = *device->startFreq();
    simulator.clearLog();
    QSignalSpy bandwidth(device.get(), &SyncedVnaDevice::ifBandwidthChanged);

    device->setStartFreq(start * (1 + 1e-13));
    device->setStopFreq(start - 1);
    device->setPointsCount(*device->pointsCount());
    device->setSweepType(*device->sweepType());
    device->setIfBandwidth(300);
    ASSERT_TRUE(refresh());

    EXPECT_EQ(countOf(lines(), "FREQuency:STARt "), 0);
    EXPECT_EQ(countOf(lines(), "FREQuency:STOP "), 0);
    EXPECT_EQ(countOf(lines(), "POINts "), 0);
    EXPECT_EQ(countOf(lines(), "TYPE "), 0);
    EXPECT_TRUE(lines().contains("SENSe1:BWIDth:RESolution 300"));
    EXPECT_EQ(bandwidth.count(), 1);
    EXPECT_EQ(device->ifBandwidth(), 300.0);
    EXPECT_EQ(simulator.model().findChannel(1)->ifBandwidth, 300.0);
}

TEST_F(SyncedVnaDeviceTest, NonFiniteSettingsAreNeitherCachedNorSent)
{
    ASSERT_TRUE(refresh());
    const std::optional<double> start = device->startFreq();
    const std::optional<double> stop = device->stopFreq();
    const std::optional<double> bandwidth = device->ifBandwidth();
    const std::optional<double> power = device->outputPower();
    simulator.clearLog();
    QSignalSpy startChanged(device.get(), &SyncedVnaDevice::startFreqChanged);

    device->setStartFreq(std::nan(""));
    device->setStopFreq(std::numeric_limits<double>::infinity());
    device->setIfBandwidth(std::nan(""));
    device->setOutputPower(-std::numeric_limits<double>::infinity());
    const bool drained = waitForResult<bool>([this](auto callback) {
        // Behind the setters in the worker's queue: the cache as they left it.
        device->readStateFileSaveType([callback](auto) { callback(true); });
    });
    ASSERT_TRUE(drained);

    EXPECT_EQ(device->startFreq(), start);
    EXPECT_EQ(device->stopFreq(), stop);
    EXPECT_EQ(device->ifBandwidth(), bandwidth);
    EXPECT_EQ(device->outputPower(), power);
    EXPECT_EQ(startChanged.count(), 0);
    EXPECT_EQ(lines(), QStringList{"MMEMory:STORe:STYPe?"});
}

TEST_F(SyncedVnaDeviceTest, SecondAutoRefreshStartAndUnusableImpedancesSendNothing)
{
    ASSERT_TRUE(refresh());
    simulator.clearLog();
    device->setImpedance(0, std::nan(""));
    device->setImpedance(1, std::numeric_limits<double>::infinity());
    // Beyond every port number: it must not wrap around to port 1.
    device->setImpedance(4294967296.0, 50);
    device->setImpedance(1, 42.5);
    device->startAutoRefresh();
    device->startAutoRefresh();

    // A second chain would refresh again right behind the first refresh.
    QElapsedTimer elapsed;
    elapsed.start();
    while (countOf(lines(), "PORT:COUNt?") == 0 && elapsed.elapsed() < 3000)
        QTest::qWait(10);
    QTest::qWait(100);
    EXPECT_EQ(countOf(lines(), "SYST:READy?"), 1);
    EXPECT_EQ(countOf(lines(), "IMPedance "), 1);
    EXPECT_TRUE(lines().contains("SENSe:CORRection:PORT2:IMPedance 42.5"));
}

TEST_F(SyncedVnaDeviceTest, UncalibratedAnalyzerHasAKnownEmptyPortList)
{
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).calibration = {}; });
    ASSERT_TRUE(refresh());
    EXPECT_TRUE(device->calibratedPorts().empty());
    const QVariant ports = device->property("calibratedPorts");
    EXPECT_TRUE(ports.isValid());
    EXPECT_TRUE(ports.toList().isEmpty());
}

TEST_F(SyncedVnaDeviceTest, ChannelZeroIsNoChannelAndSettersChangeNothing)
{
    simulator.changeModel([](AnalyzerModel& model) { model.activeChannel = 0; });
    ASSERT_TRUE(refresh());
    EXPECT_FALSE(device->startFreq().has_value());
    simulator.clearLog();

    device->setStartFreq(3e9);
    device->saveCalibrationFile("/tmp/cal");
    ASSERT_TRUE(refresh());
    EXPECT_FALSE(device->startFreq().has_value());
    EXPECT_EQ(countOf(lines(), "STARt "), 0);
    EXPECT_EQ(countOf(lines(), "CALibration"), 0);

    const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
        [this](auto callback) { device->measure({{0, 0}}, std::move(callback)); });
    EXPECT_FALSE(traces.has_value());
}

TEST_F(SyncedVnaDeviceTest, MeasurementReadsOneTracePerPairFromOneSweep)
{
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).points = 21; });
    ASSERT_TRUE(refresh());
    simulator.clearLog();
    const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
        [this](auto callback) { device->measure({{1, 0}, {0, 0}}, std::move(callback)); });

    ASSERT_TRUE(traces.has_value());
    ASSERT_EQ(traces->size(), 2u);
    EXPECT_EQ((*traces)[0].size(), 21u);
    EXPECT_EQ((*traces)[1].size(), 21u);
    EXPECT_EQ(lines().mid(0, 3), (QStringList{"CALCulate1:PARameter:COUNt 2", "CALCulate1:PARameter1:DEFine S21",
                                              "CALCulate1:PARameter2:DEFine S11"}));
    EXPECT_EQ(countOf(lines(), ":TRIG:SING"), 1);
    EXPECT_EQ(lines().mid(lines().size() - 3),
              (QStringList{"*OPC?", "CALCulate1:TRACe1:DATA:SDATa?", "CALCulate1:TRACe2:DATA:SDATa?"}));
}

TEST_F(SyncedVnaDeviceTest, InterruptDuringTheSweepSendsTheAbortOnTheSecondLink)
{
    simulator.setSweepTimeMs(5000);
    ASSERT_TRUE(refresh());
    QSignalSpy sweepStarted(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    QSignalSpy sweepFinished(&simulator, &Simulator::AnalyzerSimulator::sweepFinished);
    QSignalSpy connection(device.get(), &SyncedVnaDevice::isConnectedChanged);
    MessageCapture capture;
    QElapsedTimer elapsed;
    elapsed.start();

    const auto trace = waitForResult<std::optional<SyncedVnaDevice::Trace>>([&](auto callback) {
        device->measureColumn(1, 0, std::move(callback));
        ASSERT_TRUE(sweepStarted.wait(2000));
        device->interrupt();
    });

    EXPECT_FALSE(trace.has_value());
    EXPECT_TRUE(MessageCapture::lines().contains("Wait measure failed"));
    ASSERT_TRUE(sweepFinished.count() > 0 || sweepFinished.wait(2000));
    EXPECT_EQ(sweepFinished.first().first(), true) << "the sweep ends by the abort";
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_TRUE(lines(2).contains("ABORt"));
    EXPECT_FALSE(lines(1).contains("ABORt"));
    // The link is usable again and the abandoned "*OPC?" answers nothing else.
    simulator.setSweepTimeMs(10);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(device->portsCount(), 2);
    // Its connection was replaced at once: the analyzer never looked lost.
    QCoreApplication::processEvents();
    EXPECT_EQ(connection.count(), 0);
    EXPECT_TRUE(device->isConnected());
}

// An interrupt ends the refresh it cuts short: no later query of it is sent and what
// was known stays known, so that a cancel never reads as a lost analyzer; the next
// refresh asks again.
TEST_F(SyncedVnaDeviceTest, AnInterruptedRefreshAsksNothingMoreAndKeepsWhatWasKnown)
{
    ASSERT_TRUE(refresh());
    const std::optional<double> start = device->startFreq();
    ASSERT_TRUE(start.has_value());
    simulator.clearLog();
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::LateReply, "SERVice:CHANnel:ACTive?", 1, 1500}));
    bool interrupted = false;
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, device.get(),
                     [this, &interrupted](int, const QString& line) {
                         if (!interrupted && line.startsWith("SERVice:CHANnel:ACTive?")) {
                             interrupted = true;
                             device->interrupt();
                         }
                     });
    QSignalSpy ready(device.get(), &SyncedVnaDevice::isReadyChanged);
    QSignalSpy ports(device.get(), &SyncedVnaDevice::portsCountChanged);
    QSignalSpy info(device.get(), &SyncedVnaDevice::vnaInfoChanged);

    EXPECT_FALSE(refresh());
    EXPECT_EQ(allLines().filter("?").last(), "SERVice:CHANnel:ACTive?");
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(ports.count(), 0);
    EXPECT_EQ(info.count(), 0);
    EXPECT_EQ(device->isReady(), true);
    EXPECT_EQ(device->startFreq(), start);

    ASSERT_TRUE(refresh());
    EXPECT_EQ(device->portsCount(), 2);
}

TEST_F(SyncedVnaDeviceTest, DestructionReleasesAWaiterAndEndsAPendingQuery)
{
    simulator.setSweepTimeMs(5000);
    ASSERT_TRUE(refresh());
    QSignalSpy sweepStarted(&simulator, &Simulator::AnalyzerSimulator::sweepStarted);
    bool refreshAfterwards = true;
    const auto trace = waitForResult<std::optional<SyncedVnaDevice::Trace>>([&](auto callback) {
        device->measureColumn(0, 0, std::move(callback));
        device->refresh([&refreshAfterwards](bool ok) { refreshAfterwards = ok; });
        ASSERT_TRUE(sweepStarted.wait(2000));
        device.reset();
    });
    EXPECT_FALSE(trace.has_value());
    EXPECT_FALSE(refreshAfterwards);
}

TEST_F(SyncedVnaDeviceTest, OtherThreadsReadWholeValuesWhileRefreshesRun)
{
    std::atomic<bool> done{false};
    std::atomic<int> tornReads{0};
    std::atomic<int> knownReads{0};
    std::thread reader([&] {
        while (!done) {
            const std::optional<double> start = device->startFreq();
            const std::optional<VnaInfo> info = device->vnaInfo();
            const std::vector<double> ports = device->calibratedPorts();
            device->isConnected();
            device->impedance(1);
            if (start && *start != 1e9 && *start != 2e9)
                ++tornReads;
            if (info && info->serialNumber.isEmpty())
                ++tornReads;
            if (!ports.empty() && ports != std::vector<double>{0, 1})
                ++tornReads;
            if (start)
                ++knownReads;
        }
    });
    for (int k = 0; k < 20; ++k) {
        simulator.changeModel([k](AnalyzerModel& model) { model.channel(1).startFrequency = k % 2 ? 2e9 : 1e9; });
        EXPECT_TRUE(refresh());
    }
    done = true;
    reader.join();
    EXPECT_EQ(tornReads, 0);
    EXPECT_GT(knownReads, 0);
}
