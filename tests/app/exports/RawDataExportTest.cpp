#include "analyzer/files/TouchstoneIO.h"
#include "app/exports/RawDataExport.h"
#include "app/exports/TouchstoneRecords.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/Standards.h"
#include "tests/app/support/MeasuredThruSession.h"

#include <QDir>

using namespace Simulator::Physics;

namespace {

Algorithms::SParametersTwoPortVNA pair(std::uint64_t first, std::uint64_t second, double base)
{
    Algorithms::SParametersTwoPortVNA set;
    set.setFrequencies({1e9, 2e9, 3e9});
    set.setS11({base + 1.0, base + 1.0, base + 1.0});
    set.setS12({base + 2.0, base + 2.0, base + 2.0});
    set.setS21({base + 3.0, base + 3.0, base + 3.0});
    set.setS22({base + 4.0, base + 4.0, base + 4.0});
    set.setFirstPort(first);
    set.setSecondPort(second);
    return set;
}

class RawDataExportTest : public MeasuredThruSession
{
protected:
    bool exportRawData(const std::vector<RawDataExport::SetupSteps>& setups)
    {
        RawDataExport rawData([this](const QString& text) { errors << text; });
        return rawData.run(files.filePath("run"), setups);
    }

    std::shared_ptr<TransmissionStep> thruStep()
    {
        return keep(makeLaterDeleted<TransmissionStep>(thruConnection(), left, right, device.get(), &worker,
                                                       &progress));
    }
};

} // namespace

TEST(RawDataRecords, PairsStandOnTheirAnalyzerPortsAndRefuseSetsThatDoNotAgree)
{
    // Left fixture on analyzer port 3, right on port 1: the pair is turned round.
    const auto records = twoPortRawData({pair(3, 1, 0.0)});
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3u);
    const TouchstoneRecord& record = records->front();
    ASSERT_EQ(record.N, 4u);
    auto at = [&record](std::size_t i, std::size_t j) { return record.values[i * 4 + j].real(); };
    EXPECT_EQ(at(1, 1), 4.0); // S22 of the pair, measured at analyzer port 1
    EXPECT_EQ(at(3, 3), 1.0);
    EXPECT_EQ(at(1, 3), 3.0); // received at port 1 when port 3 drives
    EXPECT_EQ(at(3, 1), 2.0);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(at(0, k), 0.0);
        EXPECT_EQ(at(2, k), 0.0);
    }

    auto shifted = pair(0, 1, 0.0);
    shifted.setFrequencies({1e9, 2e9, 3.001e9});
    EXPECT_FALSE(twoPortRawData({pair(0, 1, 0.0), shifted}));
    EXPECT_FALSE(twoPortRawData({pair(1, 1, 0.0)}));
    EXPECT_FALSE(twoPortRawData({pair(0, 12, 0.0)}));
    EXPECT_FALSE(twoPortRawData({}));

    Algorithms::SParametersOnePortVNA reflection;
    reflection.setFrequencies({1e9, 2e9, 3e9});
    reflection.setS11({0.5, 0.5, 0.5});
    reflection.setPort(2);
    const auto onePort = onePortRawData({reflection});
    ASSERT_TRUE(onePort);
    EXPECT_EQ(onePort->front().N, 3u);
    EXPECT_EQ(onePort->front().values[8], std::complex<double>(0.5));
}

TEST_F(RawDataExportTest, ThruDataKeepTheExactImpedanceAndEarlierFilesStay)
{
    const QString measured = files.filePath("thru.s2p");
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid(), 49.9);
    ASSERT_TRUE(TouchstoneIO().write(measured, twoPortTouchstone(thru, 49.9)));
    auto step = thruStep();
    step->measureFromTouchstoneFile(measured);
    drain();
    ASSERT_EQ(step->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();

    EXPECT_TRUE(exportRawData({{step}}));
    EXPECT_TRUE(exportRawData({{step}}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    const auto first = TouchstoneIO().read(files.filePath("run_Transmission_Step1.s2p"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(QFile::exists(files.filePath("run_Transmission_Step1(1).s2p")));
    EXPECT_EQ(first->R, 49.9);
    ASSERT_EQ(first->records.size(), grid().size());
    EXPECT_NEAR(std::abs(first->records[10].values[2] - thru.s21()[10]), 0.0, 1e-9);
}

TEST_F(RawDataExportTest, AnUnmeasuredStepStopsTheExportWithAReason)
{
    EXPECT_FALSE(exportRawData({{thruStep()}}));
    EXPECT_EQ(errors, QStringList{"There is no calculated data"});
    EXPECT_FALSE(exportRawData({}));
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files), QStringList());
}
