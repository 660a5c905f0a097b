#include "simulator/physics/ExampleFixtures.h"
#include "tests/simulator/support/SimulatorFixture.h"
#include "tests/simulator/support/TraceMeasurement.h"

#include <Eigen/Eigenvalues>
#include <gtest/gtest.h>

#include <cmath>

using namespace Simulator;

namespace {

using Trace = std::vector<std::complex<double>>;

std::complex<double> delayOf(double frequency, double seconds)
{
    return std::polar(1.0, -2.0 * M_PI * frequency * seconds);
}

class WorldMeasurement : public SimulatorFixture
{
protected:
    void SetUp() override
    {
        SimulatorFixture::SetUp();
        if (HasFatalFailure())
            return;
        simulator.setSweepTimeMs(0);
        client.send("SENSe1:FREQuency:STARt 10e6");
        client.send("SENSe1:FREQuency:STOP 20e9");
        client.send("SENSe1:SWEep:POINts 101");
        frequencies = readFrequencies(client);
        ASSERT_EQ(frequencies.size(), 101u);
    }

    // Lossless 50 ohm halves: the 2x-thru is a plain delay of 300 ps.
    void useIdealLines()
    {
        simulator.setFixture(Physics::LineCascade({{50.0, 100e-12, 0.0}}), Physics::LineCascade({{50.0, 200e-12, 0.0}}),
                             Physics::LineCascade({{50.0, 50e-12, 0.0}}));
    }

    std::vector<double> frequencies;
};

} // namespace

TEST_F(WorldMeasurement, IdealThruIsTheDelayOfBothHalves)
{
    useIdealLines();
    const auto traces = measureTraces(client, {"S11", "S21", "S12", "S22"});
    ASSERT_EQ(traces.size(), 4u);
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        EXPECT_LT(std::abs(traces[0][k]), 1e-12);
        EXPECT_LT(std::abs(traces[1][k] - delayOf(frequencies[k], 300e-12)), 1e-12);
        EXPECT_LT(std::abs(traces[2][k] - traces[1][k]), 1e-12);
        EXPECT_LT(std::abs(traces[3][k]), 1e-12);
    }
}

TEST_F(WorldMeasurement, IdealOpenAndShortReflectOverTwiceEachHalf)
{
    useIdealLines();
    client.send("SIMulator:WORLd OPEN");
    const auto open = measureTraces(client, {"S11", "S22", "S21"});
    client.send("SIMulator:WORLd SHORt");
    const auto shorted = measureTraces(client, {"S11", "S22"});
    ASSERT_EQ(open.size(), 3u);
    ASSERT_EQ(shorted.size(), 2u);
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        EXPECT_LT(std::abs(open[0][k] - delayOf(frequencies[k], 200e-12)), 1e-12);
        EXPECT_LT(std::abs(open[1][k] - delayOf(frequencies[k], 400e-12)), 1e-12);
        EXPECT_EQ(open[2][k], 0.0);
        EXPECT_LT(std::abs(shorted[0][k] + delayOf(frequencies[k], 200e-12)), 1e-12);
    }
}

TEST_F(WorldMeasurement, DefaultThruIsTheCascadeOfItsTwoDifferentHalves)
{
    const auto traces = measureTraces(client, {"S11", "S12", "S21", "S22"});
    ASSERT_EQ(traces.size(), 4u);
    const Physics::LineCascade left = Physics::exampleLeftHalf();
    const Physics::LineCascade right = Physics::exampleRightHalf();
    double largestS11Difference = 0.0;
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        // Port 2 of the left half meets port 2 of the right half.
        const auto expected = Physics::cascade(left.scatteringAt(frequencies[k]),
                                               Physics::reversed(right.scatteringAt(frequencies[k])));
        Eigen::Matrix2cd measured;
        measured << traces[0][k], traces[1][k], traces[2][k], traces[3][k];
        EXPECT_LT((measured - expected).norm(), 1e-12);
        EXPECT_LE(std::abs(measured(1, 0)), 1.0);
        EXPECT_LT(std::abs(measured(0, 1) - measured(1, 0)), 1e-12); // reciprocal
        // Passive and lossy: I - S^H S has no negative eigenvalue.
        const Eigen::Matrix2cd dissipation = Eigen::Matrix2cd::Identity() - measured.adjoint() * measured;
        EXPECT_GE(Eigen::SelfAdjointEigenSolver<Eigen::Matrix2cd>(dissipation).eigenvalues().minCoeff(), -1e-12);
        largestS11Difference = std::max(largestS11Difference, std::abs(measured(0, 0) - measured(1, 1)));
    }
    EXPECT_GT(largestS11Difference, 0.01); // the halves differ, so the thru is not symmetric
}

TEST_F(WorldMeasurement, PortImpedancesReferTheMeasurementToThem)
{
    // Zero-length halves: a direct connection, seen from 50 and 100 ohm ports.
    simulator.setFixture(Physics::LineCascade(), Physics::LineCascade(), Physics::LineCascade());
    client.send("SENSe:CORRection:PORT2:IMPedance 100");
    const auto traces = measureTraces(client, {"S11", "S21", "S22"});
    ASSERT_EQ(traces.size(), 3u);
    const double transmission = 2.0 * std::sqrt(50.0 * 100.0) / 150.0;
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        EXPECT_LT(std::abs(traces[0][k] - 1.0 / 3.0), 1e-12);
        EXPECT_LT(std::abs(traces[1][k] - transmission), 1e-12);
        EXPECT_LT(std::abs(traces[2][k] + 1.0 / 3.0), 1e-12);
    }
}

TEST_F(WorldMeasurement, FourPortAnalyzerSeesTheArrangementOnEachPairOfPorts)
{
    simulator.setPortCount(4);
    useIdealLines();
    const auto traces = measureTraces(client, {"S43", "S31", "S33"});
    ASSERT_EQ(traces.size(), 3u);
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        EXPECT_LT(std::abs(traces[0][k] - delayOf(frequencies[k], 300e-12)), 1e-12);
        EXPECT_EQ(traces[1][k], 0.0);
        EXPECT_LT(std::abs(traces[2][k]), 1e-12);
    }
}

TEST_F(WorldMeasurement, DutInFixtureDiffersFromTheThruByTheDut)
{
    useIdealLines();
    client.send("SIMulator:WORLd DUT");
    EXPECT_EQ(client.query("SIMulator:WORLd?"), "DUT");
    const auto traces = measureTraces(client, {"S21"});
    ASSERT_EQ(traces.size(), 1u);
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        EXPECT_LT(std::abs(traces[0][k] - delayOf(frequencies[k], 350e-12)), 1e-12);
}
