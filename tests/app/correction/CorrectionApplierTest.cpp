#include "analyzer/files/TouchstoneIO.h"
#include "app/correction/CorrectionApplier.h"
#include "measurement/progress/TaskProgress.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/app/support/MeasuredThruSession.h"
#include "tests/engine/processes/ThruExtraction.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

using namespace Simulator::Physics;

namespace {

double decibels(std::complex<double> value)
{
    return 20.0 * std::log10(std::abs(value));
}

double degrees(std::complex<double> value)
{
    return std::arg(value) * 180.0 / M_PI;
}

class CorrectionApplierTest : public MeasuredThruSession
{
protected:
    bool apply(std::vector<FixtureHalves> setups)
    {
        CorrectionApplier applier(device.get(), &worker, [this](const QString& text) { errors << text; });
        TaskProgress task;
        return applier.apply(setups, prefix(), task);
    }

    std::vector<FixtureHalves> bothHalves() const { return {{true, left.get(), true, right.get()}}; }

    // The commands of an apply, without the refresh's queries.
    QStringList applyCommands() const
    {
        return linesStartingWith({"SENSe:CORRection:PORT", "CALCulate1:FSIMulator"}).filter(QRegularExpression("^[^?]*$"));
    }
};

} // namespace

TEST_F(CorrectionApplierTest, AnalyzerDeembedsTheFixturesSoThatItMeasuresAnIdealThruAndTheDutAlone)
{
    // Equal halves: a 2x-thru alone cannot tell how unequal halves share its delay,
    // which would move the DUT's reflections by the difference.
    const LineCascade half({{50.0, 30e-12, 0.05}, {42.0, 120e-12, 0.1}, {58.0, 100e-12, 0.1}, {50.0, 150e-12, 0.1}});
    simulator.setFixture(half, half, exampleDut());
    measureThru();
    simulator.clearLog();
    ASSERT_TRUE(apply(bothHalves())) << errors.join("; ").toStdString();

    const QString file1 = prefix() + "1.s2p";
    const QString file2 = prefix() + "2.s2p";
    EXPECT_EQ(applyCommands(),
              QStringList({"SENSe:CORRection:PORT1:IMPedance 50",
                           "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:STATe 0",
                           "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT1:USER:FILename " + file1,
                           "SENSe:CORRection:PORT2:IMPedance 50",
                           "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:STATe 0",
                           "CALCulate1:FSIMulator:SENDed:DEEMbed:PORT2:USER:FILename " + file2,
                           "CALCulate1:FSIMulator:SENDed:DEEMbed:STATe 1", "CALCulate1:FSIMulator:STATe 1"}));

    const auto thru = measureNow({{1, 0}, {0, 0}, {1, 1}});
    ASSERT_EQ(thru.size(), 3u);
    for (std::size_t i = 0; i < grid().size(); ++i) {
        ASSERT_NEAR(decibels(thru[0][i]), 0.0, 0.1) << grid()[i];
        ASSERT_NEAR(degrees(thru[0][i]), 0.0, 1.0) << grid()[i];
        ASSERT_LT(decibels(thru[1][i]), -30.0) << grid()[i];
        ASSERT_LT(decibels(thru[2][i]), -30.0) << grid()[i];
    }

    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Dut);
    const auto dut = measureNow({{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    ASSERT_EQ(dut.size(), 4u);
    // Within what the time-gating engine reaches on its own (away from the band edges).
    const auto expected = exampleDut().sParameters(grid());
    EXPECT_LT(maxDifference(dut[0], expected.s11(), 0.05, 0.9), 3e-2);
    EXPECT_LT(maxDifference(dut[1], expected.s21(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(dut[2], expected.s12(), 0.05, 0.9), 1e-2);
    EXPECT_LT(maxDifference(dut[3], expected.s22(), 0.05, 0.9), 3e-2);
}

TEST_F(CorrectionApplierTest, NothingReachesTheAnalyzerUnlessEveryFixtureHalfIsMeasured)
{
    EXPECT_FALSE(apply(bothHalves()));
    EXPECT_EQ(errors, QStringList{"There is no calculated data"});
    EXPECT_FALSE(apply({{false, left.get(), false, right.get()}}));
    EXPECT_FALSE(apply({}));
    EXPECT_EQ(errors.size(), 3);
    EXPECT_TRUE(applyCommands().isEmpty());
    EXPECT_FALSE(QFile::exists(prefix() + "1.s2p"));
}

TEST_F(CorrectionApplierTest, ALinkClosedPartWayIsAFailure)
{
    measureThru();
    errors.clear();
    ASSERT_TRUE(simulator.injectFault({Simulator::Fault::Kind::DropConnection,
                                       "CALCulate:FSIMulator:SENDed:DEEMbed:PORT:USER:FILename"}));
    EXPECT_FALSE(apply(bothHalves()));
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.value(0).startsWith("VNA did not take the correction")) << errors.join("; ").toStdString();
}

TEST_F(CorrectionApplierTest, AFixtureWithoutPortsLeavesTheFixtureSimulatorOff)
{
    measureThru();
    errors.clear();
    simulator.clearLog();
    Fixture portless;
    portless.setPortsCount(0);
    VNAFixtureConnection connection(&portless, device.get());
    EXPECT_FALSE(apply({{true, &connection, false, right.get()}}));
    EXPECT_EQ(errors, QStringList{"There is no calculated data"});
    EXPECT_TRUE(applyCommands().isEmpty());
}

TEST_F(CorrectionApplierTest, AfterAPresetWidenedTheGridNothingIsWrittenOrLoaded)
{
    measureThru();
    errors.clear();
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.preset(); });
    simulator.clearLog();
    EXPECT_FALSE(apply(bothHalves()));
    EXPECT_EQ(errors, QStringList{"The frequency grid of VNA (100 kHz to 20 GHz) reaches outside the band the fixture "
                                  "was measured in (25 MHz to 20 GHz): measure the fixture again"});
    EXPECT_TRUE(applyCommands().isEmpty());
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}
