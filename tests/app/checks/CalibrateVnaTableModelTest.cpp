#include "app/checks/CalibrateVnaTableModel.h"
#include "tests/app/checks/CheckTableSession.h"

using Simulator::AnalyzerModel;
using Table = CalibrateVnaTableModel;

using CalibrateVnaTableModelTest = CheckTableSession<CalibrateVnaTableModel>;

TEST_F(CalibrateVnaTableModelTest, JudgesAFullCalibrationAgainstTheRequiredPortCount)
{
    refreshTwice();
    EXPECT_EQ(text(*table, Table::CalibrationRow), "Full 2-Port");
    EXPECT_EQ(recommended(*table, Table::CalibrationRow), "Full 2-Port");
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Correct);
    EXPECT_EQ(text(*table, Table::InterpolatedRow), "No");
    EXPECT_EQ(verdict(*table, Table::ExtrapolatedRow), Correct);
    EXPECT_EQ(text(*table, Table::CalibratedPortsRow), "1, 2");
    EXPECT_EQ(recommended(*table, Table::CalibratedPortsRow), "---");
    EXPECT_EQ(text(*table, Table::ImpedanceRow), "50 | 50 Ω");
    EXPECT_FALSE(table->getError().isValid());

    table->changeRecommendedPortsCount(1);
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Correct);
    table->changeRecommendedPortsCount(3);
    EXPECT_EQ(recommended(*table, Table::CalibrationRow), "Full 3-Port");
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Error);
    table->changeRecommendedPortsCount(0);
    EXPECT_EQ(recommended(*table, Table::CalibrationRow), "---");
    EXPECT_FALSE(verdict(*table, Table::CalibrationRow).isValid());

    // Five or more ports still require a full calibration.
    table->changeRecommendedPortsCount(5);
    EXPECT_EQ(recommended(*table, Table::CalibrationRow), "Full 4-Port");
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Error);
}

TEST_F(CalibrateVnaTableModelTest, RequiredPortsMustBeAmongTheCalibratedOnes)
{
    simulator.setPortCount(3);
    simulator.changeModel([](AnalyzerModel& model) {
        model.portImpedances = {50.0, 75.0, 25.5};
        model.calibrateAllPorts(1);
    });
    refreshTwice();
    table->changeRecommendedPorts({0, 2});
    EXPECT_EQ(text(*table, Table::CalibratedPortsRow), "1, 2, 3");
    EXPECT_EQ(recommended(*table, Table::CalibratedPortsRow), "1, 3");
    EXPECT_EQ(verdict(*table, Table::CalibratedPortsRow), Correct);
    EXPECT_EQ(recommended(*table, Table::CalibrationRow), "Full 2-Port");
    EXPECT_EQ(text(*table, Table::ImpedanceRow), "50 | 75 | 25.5 Ω");

    table->changeRecommendedPorts({0, 3});
    EXPECT_EQ(verdict(*table, Table::CalibratedPortsRow), Error);
}

TEST_F(CalibrateVnaTableModelTest, RowsFollowTheAnalyzersCalibrationState)
{
    refreshTwice();
    simulator.changeModel([](AnalyzerModel& model) {
        model.channel(1).calibration.type = "1PATH";
        model.channel(1).startFrequency *= 2.0;
    });
    ASSERT_TRUE(refresh());
    QCoreApplication::processEvents();
    EXPECT_EQ(text(*table, Table::CalibrationRow), "One Path 2–Port");
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Error);
    EXPECT_EQ(text(*table, Table::InterpolatedRow), "Yes");
    EXPECT_EQ(verdict(*table, Table::InterpolatedRow), Error);

    // The first refresh may still find the closing link and only lose its reply.
    simulator.close();
    ASSERT_FALSE(refresh());
    ASSERT_FALSE(refresh());
    QCoreApplication::processEvents();
    EXPECT_EQ(text(*table, Table::CalibrationRow), "---");
    EXPECT_EQ(verdict(*table, Table::CalibrationRow), Error);
    EXPECT_EQ(text(*table, Table::ImpedanceRow), "---");
    EXPECT_EQ(text(*table, Table::CalibratedPortsRow), "---");
}

TEST_F(CalibrateVnaTableModelTest, NoRequiredPortIsCorrectOnAnUncalibratedAnalyzer)
{
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).calibration = Simulator::Calibration{}; });
    refreshTwice();
    ASSERT_EQ(text(*table, Table::CalibratedPortsRow), "---");

    table->changeRecommendedPorts({});
    EXPECT_EQ(recommended(*table, Table::CalibratedPortsRow), "");
    EXPECT_EQ(verdict(*table, Table::CalibratedPortsRow), Correct);
    EXPECT_FALSE(verdict(*table, Table::CalibrationRow).isValid());
    EXPECT_FALSE(table->getError().isValid());

    table->changeRecommendedPorts({0});
    EXPECT_EQ(verdict(*table, Table::CalibratedPortsRow), Error);
}
