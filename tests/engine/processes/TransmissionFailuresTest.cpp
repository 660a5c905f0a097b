#include "tests/engine/processes/ThruExtraction.h"

#include "engine/processes/base/ProcessFactory.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"

#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <limits>

using namespace Algorithms;
using namespace Simulator::Physics;

namespace {

const QString noisy = "The signal is too noisy. Check fixture connections and repeat the measurement.";
const LineCascade half({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});

SParametersTwoPort matchedThru(double delay, const std::vector<double>& grid)
{
    const LineCascade line({{50.0, delay / 2.0, 0.0}});
    return twoXThru(line, line, grid);
}

} // namespace

TEST(TransmissionFailures, InvalidInputIsRefusedBeforeAnyStage)
{
    ThruExtraction run(TimeGateProcess);
    EXPECT_FALSE(run.run(matchedThru(1e-9, lowPassGrid(1e8, 2))));
    SParametersTwoPort withNanGrid = matchedThru(1e-9, lowPassGrid(1e8, 50));
    withNanGrid.frequencies()[3] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(run.run(withNanGrid));
    EXPECT_EQ(run.errors, QStringList({"Transmission. Invalid input data", "Transmission. Invalid input data"}));
    EXPECT_FALSE(run.left.sParameters());

    ThruExtraction withoutPorts(TimeGateProcess);
    FixturePort noImpedance;
    EXPECT_FALSE(withoutPorts.process->setFixturesForCalculate(&noImpedance, &withoutPorts.right));
}

TEST(TransmissionFailures, NoisyAndAcausalThrusAreNamed)
{
    const auto grid = lowPassGrid(25e6, 400);
    ThruExtraction run(TimeGateProcess);
    SParametersTwoPort broken = matchedThru(600e-12, grid);
    broken.s21()[10] = {std::numeric_limits<double>::quiet_NaN(), 0.0};
    EXPECT_FALSE(run.run(broken));
    EXPECT_EQ(run.errors, QStringList({noisy, noisy}));

    // A transmission that arrives before it was sent.
    run.errors.clear();
    SParametersTwoPort early = matchedThru(600e-12, grid);
    for (std::size_t i = 0; i < grid.size(); ++i)
        early.s21()[i] = early.s12()[i] = std::polar(1.0, 2.0 * M_PI * grid[i] * 300e-12);
    EXPECT_FALSE(run.run(early));
    EXPECT_EQ(run.errors, QStringList({"A negative fixture delay. Check measured data for validity", noisy}));
}

TEST(TransmissionFailures, TimeGateNamesTheReflectionItCouldNotGate)
{
    ThruExtraction run(TimeGateProcess);
    run.parameters.setTestMode(true);
    run.parameters.setLowSignalCenterMode(2);
    EXPECT_FALSE(run.run(twoXThru(half, half, lowPassGrid(25e6, 400))));
    EXPECT_EQ(run.errors, QStringList({"Process TimeGate: Error gating S11"}));
}

TEST(TransmissionFailures, FilteringRefusesFixturesLongerThanTwentyFiveNanoseconds)
{
    const auto grid = lowPassGrid(10e6, 100);
    ThruExtraction tooLong(FilteringProcess);
    EXPECT_FALSE(tooLong.run(matchedThru(26e-9, grid)));
    EXPECT_EQ(tooLong.errors,
              QStringList({"The filtering method error. Fixture delay is too long. Select a different correction method"}));
    EXPECT_FALSE(tooLong.left.impulseResponse());

    ThruExtraction longEnough(FilteringProcess);
    longEnough.run(matchedThru(24e-9, grid));
    EXPECT_FALSE(longEnough.errors.contains(tooLong.errors.first()));
    EXPECT_TRUE(longEnough.left.impulseResponse());
}

TEST(TransmissionFailures, FilteringReportsAFitItCannotMake)
{
    // Too short a fixture for the band: the fit cannot tell its two components apart.
    ThruExtraction run(FilteringProcess);
    EXPECT_FALSE(run.run(twoXThru(LineCascade({{50.0, 10e-12, 0.0}, {40.0, 5e-12, 0.0}}),
                                  LineCascade({{50.0, 10e-12, 0.0}, {40.0, 5e-12, 0.0}}), lowPassGrid(25e6, 400))));
    ASSERT_EQ(run.errors.size(), 1);
    EXPECT_TRUE(run.errors.first().startsWith("The filtering method error. The fixture reflections could not be"));
}

TEST(TransmissionFailures, FilteringAndBisectionSetTimeMinFromTheLeftDelay)
{
    for (int method : {FilteringProcess, BisectProcess}) {
        ThruExtraction run(method);
        run.parameters.setTestMode(true);
        QSignalSpy timeMin(&run.parameters, &ProcessInputParameters::sigTimeMinChanged);
        ASSERT_TRUE(run.run(twoXThru(half, half, lowPassGrid(25e6, 400))));
        EXPECT_EQ(run.parameters.timeMin(), -run.left.impulseResponse()->delay);
        EXPECT_GE(timeMin.count(), 1);
    }
}

TEST(TransmissionFailures, BisectionNeedsEqualPortImpedancesAndFiniteFits)
{
    const auto grid = lowPassGrid(25e6, 200);
    ThruExtraction unequal(BisectProcess, Z0ConversionType::None, 75.0);
    EXPECT_FALSE(unequal.run(twoXThru(half, half, grid)));
    EXPECT_EQ(unequal.errors,
              QStringList({"The bisection method error. Impedance of the selected VNA ports has to be the same!"}));

    ThruExtraction broken(BisectProcess);
    SParametersTwoPort thru = twoXThru(half, half, grid);
    thru.s12()[50] = {std::numeric_limits<double>::infinity(), 0.0};
    EXPECT_FALSE(broken.run(thru));
    EXPECT_EQ(broken.errors, QStringList({"The bisection method error!"}));
    EXPECT_FALSE(broken.left.sParameters());
}

TEST(TransmissionFailures, CancellationEndsTheRunWithoutFurtherText)
{
    const auto thru = twoXThru(half, half, lowPassGrid(25e6, 400));
    for (int method : {TimeGateProcess, FilteringProcess, BisectProcess}) {
        ThruExtraction run(method, Z0ConversionType::System);
        QObject::connect(&run.right, &FixturePort::gatingChanged, run.process.get(), &IProcessMethod::cancel);
        EXPECT_FALSE(run.run(thru));
        EXPECT_EQ(run.errors, QStringList({"The measurement was canceled"}));
        EXPECT_FALSE(run.left.stepResponse());
        EXPECT_FALSE(run.left.sParameters());
    }
}

TEST(TransmissionFailures, BisectionStopsInsideItsPointLoop)
{
    ThruExtraction run(BisectProcess);
    int checks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (++checks == 20)
            run.process->cancel();
    });
    ticker.start(0);
    EXPECT_FALSE(run.run(twoXThru(half, half, lowPassGrid(25e6, 400))));
    EXPECT_EQ(run.errors, QStringList({"The measurement was canceled"}));
    EXPECT_TRUE(run.left.impulseResponse());
    EXPECT_FALSE(run.left.sParameters());
}

TEST(TransmissionFailures, ANegativeFixtureImpedanceIsRefused)
{
    // A reflection stronger than a short settles the impedance profile below zero ohm
    // well before the junction.
    const auto grid = lowPassGrid(25e6, 400);
    SParametersTwoPort thru = matchedThru(600e-12, grid);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        thru.s21()[i] = thru.s12()[i] = 0.5 * std::polar(1.0, -2.0 * M_PI * grid[i] * 600e-12);
        thru.s11()[i] = thru.s22()[i] = -1.2 * std::polar(1.0, -2.0 * M_PI * grid[i] * 300e-12);
    }
    ThruExtraction run(TimeGateProcess, Z0ConversionType::Fixture);
    EXPECT_FALSE(run.run(thru));
    EXPECT_EQ(run.errors, QStringList({"Invalid step response. Calculation error. Check the measured data for validity"}));
    EXPECT_FALSE(run.left.impedanceValue());

    // Only the right half's reflection is impossible.
    for (std::size_t i = 0; i < grid.size(); ++i)
        thru.s11()[i] = -0.1 * std::polar(1.0, -2.0 * M_PI * grid[i] * 300e-12);
    ThruExtraction rightOnly(TimeGateProcess, Z0ConversionType::Fixture);
    EXPECT_FALSE(rightOnly.run(thru));
    EXPECT_EQ(rightOnly.errors, QStringList({"Error in calculating the step response characteristic"}));
    EXPECT_FALSE(rightOnly.left.stepResponse());
}

TEST(TransmissionFailures, AThruWithoutTransmissionAtSomePointsIsNeverStoredAsHalves)
{
    // Where the thru carries nothing, the junction reflections (S - G) / S21 have no value:
    // the run must fail with the calculated-data text instead of storing infinities.
    const auto grid = lowPassGrid(25e6, 400);
    SParametersTwoPort thru = twoXThru(half, half, grid);
    for (std::size_t i = 380; i < 390; ++i) {
        thru.s12()[i] = 0.0;
        thru.s21()[i] = 0.0;
    }
    for (int method : {TimeGateProcess, FilteringProcess}) {
        ThruExtraction run(method);
        EXPECT_FALSE(run.run(thru)) << method;
        EXPECT_TRUE(run.errors.contains(
            "Invalid calculated data. NaN or Inf value found. Check measured data for validity"))
            << run.errors.join("; ").toStdString();
        EXPECT_FALSE(run.left.isCalculated());
        EXPECT_FALSE(run.right.isCalculated());
    }
}

TEST(TransmissionFailures, ASweepThatIsNotLinearIsNamedOnceAndLeftToBisection)
{
    // A logarithmic sweep from 1 GHz, and a segmented one whose step doubles halfway.
    std::vector<double> logarithmic(401);
    for (std::size_t k = 0; k < logarithmic.size(); ++k)
        logarithmic[k] = 1e9 * std::pow(20.0, static_cast<double>(k) / 400.0);
    std::vector<double> segmented = lowPassGrid(25e6, 400);
    for (std::size_t k = 200; k < segmented.size(); ++k)
        segmented[k] = segmented[199] + static_cast<double>(k - 199) * 50e6;
    const LineCascade line({{50.0, 300e-12, 0.3}});
    for (const auto& grid : {logarithmic, segmented}) {
        const auto thru = twoXThru(line, line, grid);
        for (int method : {TimeGateProcess, FilteringProcess}) {
            ThruExtraction run(method, Z0ConversionType::System);
            EXPECT_FALSE(run.run(thru));
            EXPECT_EQ(run.errors, QStringList({"The frequency sweep is not linear, so no time-domain transform is "
                                               "possible. Measure with a linear sweep or use the bisection method"}));
        }
        ThruExtraction bisection(BisectProcess, Z0ConversionType::System);
        ASSERT_TRUE(bisection.run(thru)) << bisection.errors.join("; ").toStdString();
        EXPECT_TRUE(bisection.errors.isEmpty());
        const auto truth = line.sParameters(grid);
        for (FixturePort* port : {&bisection.left, &bisection.right}) {
            EXPECT_LT(maxDifference(port->sParameters()->s21(), truth.s21()), 1e-9);
            EXPECT_LT(maxDifference(port->sParameters()->s11(), truth.s11()), 1e-9);
            EXPECT_FALSE(port->impulseResponse());
            EXPECT_FALSE(port->gating());
            EXPECT_FALSE(port->stepResponse());
            EXPECT_EQ(port->currentSParametersKind(), FixturePort::DefaultKind);
            EXPECT_TRUE(port->isCalculated());
            EXPECT_TRUE(port->applyOffset(0.0));
        }
    }
}
