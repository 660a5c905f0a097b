#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/CorrectionFileWriter.h"
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
        return writer.write(prefix(), connection);
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
