#include "analyzer/files/TouchstoneIO.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/simulator/support/SimulatorFixture.h"
#include "tests/simulator/support/TraceMeasurement.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Simulator;

namespace {

// A fixture half as the application writes it: port 1 at the analyzer.
bool writeHalf(const QString& path, const Physics::LineCascade& half, const std::vector<double>& frequencies,
               double z0)
{
    TouchstoneData data;
    data.format = TouchstoneData::RI;
    data.unit = TouchstoneData::HZ;
    data.portCount = 2;
    data.R = z0;
    for (double f : frequencies) {
        const auto s = half.scatteringAt(f, z0);
        data.records.push_back({f, {s(0, 0), s(0, 1), s(1, 0), s(1, 1)}, 2});
    }
    return TouchstoneIO().write(path, data);
}

class Deembedding : public SimulatorFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(directory.isValid());
        SimulatorFixture::SetUp();
        if (HasFatalFailure())
            return;
        simulator.setSweepTimeMs(0);
        client.send("SENSe1:FREQuency:STARt 50e6");
        client.send("SENSe1:FREQuency:STOP 10e9");
        client.send("SENSe1:SWEep:POINts 200");
        frequencies = readFrequencies(client);
        client.send("SIMulator:WORLd DUT");
    }

    // The application's sequence for applying a correction on ports 1 and 2.
    void applyCorrection(double z0)
    {
        const QString left = directory.filePath("deembed-1.s2p");
        const QString right = directory.filePath("deembed-2.s2p");
        ASSERT_TRUE(writeHalf(left, Physics::exampleLeftHalf(), frequencies, z0));
        ASSERT_TRUE(writeHalf(right, Physics::exampleRightHalf(), frequencies, z0));
        for (int port = 1; port <= 2; ++port) {
            client.send(QString("SENSe:CORRection:PORT%1:IMPedance %2").arg(port).arg(z0));
            client.send(QString("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT%1:STATe 0").arg(port));
            client.send(QString("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT%1:USER:FILename %2")
                            .arg(port)
                            .arg(port == 1 ? left : right));
        }
        client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 1");
        client.send("CALCulate1:FSIMulator:STATe 1");
    }

    double largestDeviationFromDut(double z0)
    {
        const auto traces = measureTraces(client, {"S11", "S12", "S21", "S22"});
        if (traces.size() != 4)
            return 1e9;
        const Physics::LineCascade dut = Physics::exampleDut();
        double largest = 0.0;
        for (std::size_t k = 0; k < frequencies.size(); ++k) {
            Eigen::Matrix2cd measured;
            measured << traces[0][k], traces[1][k], traces[2][k], traces[3][k];
            largest = std::max(largest, (measured - dut.scatteringAt(frequencies[k], z0)).norm());
        }
        return largest;
    }

    QTemporaryDir directory;
    std::vector<double> frequencies;
};

} // namespace

TEST_F(Deembedding, AppliedFixtureFilesGiveBackTheDut)
{
    EXPECT_GT(largestDeviationFromDut(50.0), 0.1); // the fixture is in the way
    applyCorrection(50.0);
    EXPECT_LT(largestDeviationFromDut(50.0), 1e-9);
    EXPECT_TRUE(simulator.rejectedLines(1).isEmpty());
    EXPECT_EQ(client.query("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:STATe?"), "1");
    EXPECT_EQ(client.query("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:USER:FILename?"),
              directory.filePath("deembed-1.s2p"));
}

TEST_F(Deembedding, FilesAtThePortImpedanceGiveTheDutAtThatImpedance)
{
    applyCorrection(42.0);
    EXPECT_LT(largestDeviationFromDut(42.0), 1e-9);
}

TEST_F(Deembedding, EverySwitchMustBeOnForTheFilesToApply)
{
    applyCorrection(50.0);
    client.send("CALCulate1:FSIMulator:STATe 0");
    EXPECT_GT(largestDeviationFromDut(50.0), 0.1);
    client.send("CALCulate1:FSIMulator:STATe 1");
    client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 0");
    EXPECT_GT(largestDeviationFromDut(50.0), 0.1);
    client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 1");
    client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:STATe 0");
    client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:STATe 0");
    EXPECT_GT(largestDeviationFromDut(50.0), 0.1);
    client.send("SYSTem:PRESet");
    EXPECT_EQ(client.query("CALCulate1:FSIMulator:STATe?"), "0");
    EXPECT_EQ(client.query("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:USER:FILename?"), "");
}

TEST_F(Deembedding, UnreadableFileIsRefusedAndChangesNothing)
{
    client.send("CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:USER:FILename " + directory.filePath("missing.s2p"));
    ASSERT_TRUE(client.query("*OPC?"));
    EXPECT_EQ(simulator.rejectedLines(1).size(), 1);
    EXPECT_TRUE(simulator.model().channels.at(1).deembeddingPorts.empty());
}

TEST_F(Deembedding, TouchstoneFileServedAsTheWorld)
{
    // A 2-port file of the left half on a coarser grid, at 25 ohm.
    const QString path = directory.filePath("world.s2p");
    std::vector<double> coarse;
    for (int k = 0; k <= 40; ++k)
        coarse.push_back(k * 0.25e9);
    ASSERT_TRUE(writeHalf(path, Physics::exampleLeftHalf(), coarse, 25.0));
    client.send("SIMulator:WORLd:FILE " + path);
    ASSERT_EQ(client.query("SIMulator:WORLd?"), "FILE");
    client.send("SENSe1:SWEep:POINts 40"); // on the file's own frequencies
    client.send("SENSe1:FREQuency:STARt 0.25e9");
    client.send("SENSe1:FREQuency:STOP 10e9");
    client.send("SENSe:CORRection:PORT1:IMPedance 25");
    client.send("SENSe:CORRection:PORT2:IMPedance 25");
    const auto grid = readFrequencies(client);
    const auto traces = measureTraces(client, {"S11", "S21"});
    ASSERT_EQ(traces.size(), 2u);
    for (std::size_t k = 0; k < grid.size(); ++k) {
        const auto expected = Physics::exampleLeftHalf().scatteringAt(grid[k], 25.0);
        EXPECT_LT(std::abs(traces[0][k] - expected(0, 0)), 1e-9);
        EXPECT_LT(std::abs(traces[1][k] - expected(1, 0)), 1e-9);
    }
    EXPECT_FALSE(simulator.setTouchstoneWorld(directory.filePath("missing.s2p")));
    EXPECT_EQ(simulator.worldName(), "FILE");
}
