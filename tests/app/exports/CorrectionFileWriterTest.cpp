#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/CorrectionFileWriter.h"
#include "measurement/progress/TaskProgress.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/ScatteringSets.h"
#include "simulator/physics/Standards.h"
#include "simulator/physics/TwoPortAlgebra.h"
#include "tests/app/support/MeasuredThruSession.h"

#include <QDir>

using namespace Simulator::Physics;

namespace {

class CorrectionFileWriterTest : public MeasuredThruSession
{
protected:
    std::optional<std::vector<WrittenCorrectionFile>> write(VNAFixtureConnection* connection)
    {
        CorrectionFileWriter writer(device.get(), &worker, [this](const QString& text) { errors << text; });
        TaskProgress task;
        return writer.write(prefix(), {{true, connection, false, nullptr}}, task);
    }

    static ScatteringMatrix matrixOf(const TouchstoneRecord& record)
    {
        ScatteringMatrix s;
        s << record.values[0], record.values[1], record.values[2], record.values[3];
        return s;
    }
};

} // namespace

TEST_F(CorrectionFileWriterTest, HalvesLieOnTheAnalyzerGridAtTheirImpedanceAndCascadeToTheMeasuredThru)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.portImpedances = {50.0, 50.0}; });
    measureThru();
    const auto leftFiles = write(left.get());
    const auto rightFiles = write(right.get());
    ASSERT_TRUE(leftFiles && rightFiles) << errors.join("; ").toStdString();
    ASSERT_EQ(leftFiles->size(), 1u);
    EXPECT_EQ(leftFiles->front().port, 0u);
    EXPECT_EQ(rightFiles->front().port, 1u);
    EXPECT_EQ(rightFiles->front().filePath, prefix() + "2.s2p");
    EXPECT_EQ(rightFiles->front().impedance, 50.0);

    TouchstoneIO io;
    const auto leftHalf = io.read(leftFiles->front().filePath);
    const auto rightHalf = io.read(rightFiles->front().filePath);
    ASSERT_TRUE(leftHalf && rightHalf);
    EXPECT_EQ(leftHalf->R, 50.0);
    ASSERT_EQ(leftHalf->records.size(), grid().size());
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid());
    for (std::size_t i = 0; i < grid().size(); ++i) {
        ASSERT_DOUBLE_EQ(leftHalf->records[i].frequency, grid()[i]);
        // Both files face the analyzer with port 1, so the right half is turned round.
        const ScatteringMatrix cascaded =
            cascade(matrixOf(leftHalf->records[i]), reversed(matrixOf(rightHalf->records[i])));
        ASSERT_LT((cascaded - matrixAt(thru, i)).cwiseAbs().maxCoeff(), 0.02) << grid()[i];
    }
}

TEST_F(CorrectionFileWriterTest, AGridTooShortToCarryTheHalfGivesAnErrorAndNoFile)
{
    measureThru();
    setSweep(GridStep, 2);
    ASSERT_TRUE(refresh());
    EXPECT_FALSE(write(left.get()));
    EXPECT_EQ(errors, QStringList{"The fixture data cannot be brought onto the frequency grid of VNA"});
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(CorrectionFileWriterTest, AHalfWithoutAReferenceImpedanceIsNeverWrittenAtZeroOhm)
{
    // Results that name no impedance the analyzer port could be set to.
    ASSERT_TRUE(left->getFixturePort(0)->measureData()->setCalculatedData(
        twoXThru(exampleLeftHalf(), exampleRightHalf(), grid())));
    EXPECT_FALSE(write(left.get()));
    EXPECT_EQ(errors, QStringList{"The reference impedance of the fixture port is unknown"});
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(CorrectionFileWriterTest, AFixtureWithoutPortsHasNothingToWriteAndSaysSo)
{
    Fixture portless;
    portless.setPortsCount(0);
    VNAFixtureConnection connection(&portless, device.get());
    EXPECT_FALSE(write(&connection));
    // A measured fixture whose ports were taken away afterwards.
    measureThru();
    errors.clear();
    fixtureA.setPortsCount(0);
    EXPECT_FALSE(write(left.get()));
    EXPECT_EQ(errors, QStringList{"There is no calculated data"});
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(CorrectionFileWriterTest, AGridReachingOutsideTheMeasuredBandIsRefusedAndOneWithinItIsWritten)
{
    setSweep(GridStep, GridPoints / 2);
    ASSERT_TRUE(refresh());
    measureThru();
    const auto sweep = [this](double start, double stop) {
        simulator.changeModel([start, stop](Simulator::AnalyzerModel& model) {
            model.channel(1).startFrequency = start;
            model.channel(1).stopFrequency = stop;
        });
    };
    const QString measuredBand = "(25 MHz to 10 GHz): measure the fixture again";
    sweep(100e3, 10e9);
    EXPECT_FALSE(write(left.get()));
    sweep(GridStep, 20e9);
    EXPECT_FALSE(write(right.get()));
    EXPECT_EQ(errors, QStringList({"The frequency grid of VNA (100 kHz to 10 GHz) reaches outside the band the "
                                   "fixture was measured in " + measuredBand,
                                   "The frequency grid of VNA (25 MHz to 20 GHz) reaches outside the band the "
                                   "fixture was measured in " + measuredBand}));
    EXPECT_TRUE(QDir(files.path()).isEmpty());

    // Edges read back a hertz off the measured ones, and a band within the measured one.
    errors.clear();
    sweep(GridStep - 1.0, 10e9 + 1.0);
    EXPECT_TRUE(write(left.get())) << errors.join("; ").toStdString();
    sweep(1e9, 5e9);
    const auto written = write(right.get());
    ASSERT_TRUE(written) << errors.join("; ").toStdString();
    const auto half = TouchstoneIO().read(written->front().filePath);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->records.front().frequency, 1e9);
    EXPECT_EQ(half->records.back().frequency, 5e9);
}
