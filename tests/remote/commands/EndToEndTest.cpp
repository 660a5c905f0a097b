#include "analyzer/threading/WaitForResult.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/remote/commands/RemoteCommandSession.h"

#include <QDir>

#include <cmath>
#include <complex>

namespace {

double decibels(std::complex<double> value)
{
    return 20.0 * std::log10(std::abs(value));
}

double degrees(std::complex<double> value)
{
    return std::arg(value) * 180.0 / M_PI;
}

class EndToEndTest : public RemoteCommandSession
{
protected:
    // S21 as the analyzer measures it now, with its own de-embedding.
    SyncedVnaDevice::Trace transmission()
    {
        const auto traces = waitForResult<std::optional<std::vector<SyncedVnaDevice::Trace>>>(
            [this](auto callback) { backend->getVnaDevice()->measure({{1, 0}}, callback); });
        return traces && traces->size() == 1 ? traces->front() : SyncedVnaDevice::Trace{};
    }

    // Over the band between the fractions `from` and `to` of its points.
    void expectIdealThru(const char* stage, double from = 0.0, double to = 1.0)
    {
        simulator.setWorld(Simulator::FixtureWorld::Arrangement::Thru);
        const SyncedVnaDevice::Trace s21 = transmission();
        ASSERT_FALSE(s21.empty()) << stage;
        for (auto i = std::size_t(from * s21.size()); i < std::size_t(to * s21.size()); ++i) {
            ASSERT_NEAR(decibels(s21[i]), 0.0, 0.1) << stage << " point " << i;
            ASSERT_NEAR(degrees(s21[i]), 0.0, 1.0) << stage << " point " << i;
        }
    }
};

} // namespace

TEST_F(EndToEndTest, ARemoteClientDeembedsTheFixturesOnTheAnalyzer)
{
    // Equal halves: a 2x-thru alone cannot tell how unequal halves share its delay.
    const Simulator::Physics::LineCascade half(
        {{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});
    simulator.setFixture(half, half, Simulator::Physics::exampleDut());
    startWithAnalyzer();
    const QByteArray files = workingDirectory.filePath("remote").toUtf8();

    for (const char* line : {"NOLT:SYSTem:CALCulation:METHod TIME", "NOLT:SYSTem:FIXTure:LEFT ON",
                             "NOLT:SYSTem:FIXTure:RIGHT ON", "NOLT:SYSTem:FIXTure:LEFT:PORT1 1",
                             "NOLT:SYSTem:FIXTure:RIGHT:PORT1 2", "NOLT:SYSTem:FIXTure:CONNECTion:DIRect ON",
                             "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON"})
        ASSERT_EQ(run(line), done()) << line;
    ASSERT_EQ(run("NOLT:SYSTem:STEP:COUNt?"), reply("2"));
    ASSERT_EQ(run("NOLT:SYSTem:STEP2:TYPE?"), reply("DUT"));

    ASSERT_EQ(run("NOLT:CALCulate:STEP1:THRU"), done()) << errors.join("; ").toStdString();
    // Each half carries about its own line length (four sections, 400 ps).
    const double length = run("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?").reply.toDouble();
    EXPECT_NEAR(length, 400e-12, 50e-12);
    EXPECT_NEAR(run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?").reply.toDouble(), length, 5e-12);

    // An offset switched off again leaves the halves as calculated.
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet ON"), done());
    EXPECT_EQ(run("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10"), done());
    EXPECT_EQ(run("NOLT:SYSTem:STEP1:THRU:OFFSet OFF"), done());
    EXPECT_EQ(run("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?").reply.toDouble(), length);

    EXPECT_EQ(run("NOLT:SYSTem:CORRECTion:SAVE '" + files + "'"), done());
    EXPECT_TRUE(QFile::exists(files + "1.s2p"));
    EXPECT_TRUE(QFile::exists(files + "2.s2p"));
    EXPECT_EQ(run("NOLT:SYSTem:DATA:SAVE '" + files + "'"), done());
    EXPECT_FALSE(QDir(workingDirectory.path()).entryList({"remote_Transmission_Step1*"}).isEmpty());
    EXPECT_EQ(run("NOLT:SYSTem:SETup:SAVE '" + files + ".sta'"), done());
    EXPECT_TRUE(QFile::exists(files + ".sta"));

    ASSERT_EQ(run("NOLT:SYSTem:CORRECTion:APPLy"), done()) << errors.join("; ").toStdString();
    expectIdealThru("after the first apply");

    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Dut);
    ASSERT_EQ(run("NOLT:CALCulate:STEP2:DUT"), done()) << errors.join("; ").toStdString();
    EXPECT_EQ(run("NOLT:SYSTem:STEP2:MEASured?"), reply("1"));
    ASSERT_EQ(run("NOLT:SYSTem:CORRECTion:APPLy"), done()) << errors.join("; ").toStdString();
    // The DUT re-gates the halves' outer reflections; within what the engine
    // reaches on its own away from the band edges.
    expectIdealThru("after the apply with the DUT step", 0.05, 0.9);
}
