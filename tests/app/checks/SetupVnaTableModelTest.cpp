#include "app/checks/SetupVnaTableModel.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/Localization.h"
#include "tests/analyzer/device/support/QtPrinting.h"
#include "tests/app/checks/CheckTableSession.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using Simulator::AnalyzerModel;
using Table = SetupVnaTableModel;

namespace {

class SetupVnaTableModelTest : public CheckTableSession<SetupVnaTableModel>
{
protected:
    void setSweep(double start, double stop, int points)
    {
        simulator.changeModel([=](AnalyzerModel& model) {
            model.channel(1).startFrequency = start;
            model.channel(1).stopFrequency = stop;
            model.channel(1).points = points;
        });
        ASSERT_TRUE(refresh());
        QCoreApplication::processEvents();
    }

    bool edit(int row, const QString& typed)
    {
        return table->setData(table->index(row, BaseTableModel::VALUE_COLUMN), typed, Qt::DisplayRole);
    }

    QString refusal(int row) const
    {
        return table->data(table->index(row, BaseTableModel::VALUE_COLUMN), Table::RefusalRole).toString();
    }
};

} // namespace

TEST_F(SetupVnaTableModelTest, JudgesTheAnalyzersSweep)
{
    simulator.changeModel([](AnalyzerModel& model) {
        model.channel(1).ifBandwidth = 30e3;
        model.channel(1).power = -35.0;
    });
    setSweep(10e6, 1e9, 100);

    EXPECT_EQ(text(*table, Table::SweepTypeRow), "Linear freq");
    EXPECT_EQ(verdict(*table, Table::SweepTypeRow), Correct);
    EXPECT_EQ(text(*table, Table::StartFrequencyRow), "10 M");
    EXPECT_EQ(text(*table, Table::StopFrequencyRow), "1 G");
    EXPECT_EQ(verdict(*table, Table::StopFrequencyRow), Correct);
    EXPECT_EQ(text(*table, Table::SweepPointsRow), "100");
    EXPECT_EQ(recommended(*table, Table::SweepPointsRow), "100");
    EXPECT_EQ(verdict(*table, Table::SweepPointsRow), Correct);
    EXPECT_EQ(text(*table, Table::StepFrequencyRow), "10 M");
    EXPECT_EQ(recommended(*table, Table::StepFrequencyRow), "10 MHz");
    EXPECT_EQ(verdict(*table, Table::StepFrequencyRow), Correct);
    EXPECT_EQ(text(*table, Table::IfBandwidthRow), "30 k");
    EXPECT_EQ(recommended(*table, Table::IfBandwidthRow), "≤ 10 kHz");
    EXPECT_EQ(verdict(*table, Table::IfBandwidthRow), Warning);
    EXPECT_EQ(text(*table, Table::OutputPowerRow), -35.0);
    EXPECT_EQ(verdict(*table, Table::OutputPowerRow), Warning);
    EXPECT_EQ(table->getError(), Warning);

    setSweep(10e6, 1e9, 101);
    EXPECT_EQ(recommended(*table, Table::SweepPointsRow), "100");
    EXPECT_EQ(verdict(*table, Table::SweepPointsRow), Warning);

    table->setLowPassCheck(false);
    EXPECT_EQ(recommended(*table, Table::SweepPointsRow), "≥ 100");
    EXPECT_EQ(verdict(*table, Table::SweepPointsRow), Correct);
    EXPECT_EQ(recommended(*table, Table::StepFrequencyRow), "---");
    EXPECT_FALSE(verdict(*table, Table::StepFrequencyRow).isValid());
    for (const auto& [points, expected] : {std::pair{99, Warning}, {100, Correct}, {9, Error}}) {
        setSweep(10e6, 1e9, points);
        EXPECT_EQ(verdict(*table, Table::SweepPointsRow), expected) << points;
    }

    setSweep(1e9, 1e9, 101);
    EXPECT_EQ(verdict(*table, Table::StartFrequencyRow), Error);
    EXPECT_EQ(verdict(*table, Table::StopFrequencyRow), Error);
    EXPECT_EQ(table->getError(), Error);
}

TEST_F(SetupVnaTableModelTest, OutputPowerBoundsAreInsideTheRecommendedRange)
{
    for (const auto& [power, expected] : {std::pair{-30.0, Correct}, {0.0, Correct}, {-30.5, Warning}}) {
        simulator.changeModel([power = power](AnalyzerModel& model) { model.channel(1).power = power; });
        ASSERT_TRUE(refresh());
        QCoreApplication::processEvents();
        EXPECT_EQ(verdict(*table, Table::OutputPowerRow), expected) << power;
    }
}

TEST_F(SetupVnaTableModelTest, AShiftedSweepWithTheSameStepIsJudgedAgain)
{
    setSweep(10e6, 1e9, 100);
    ASSERT_EQ(verdict(*table, Table::StepFrequencyRow), Correct);

    setSweep(20e6, 1.01e9, 100);
    EXPECT_EQ(text(*table, Table::StepFrequencyRow), "10 M");
    EXPECT_EQ(recommended(*table, Table::StepFrequencyRow), "20 MHz");
    EXPECT_EQ(verdict(*table, Table::StepFrequencyRow), Warning);
    EXPECT_EQ(recommended(*table, Table::SweepPointsRow), "51");
    EXPECT_EQ(verdict(*table, Table::SweepPointsRow), Warning);

    simulator.changeModel([](AnalyzerModel& model) { model.minFrequency = 0.0; });
    setSweep(0.0, 1e9, 101);
    EXPECT_EQ(recommended(*table, Table::SweepPointsRow), "Error");
    EXPECT_EQ(verdict(*table, Table::SweepPointsRow), Error);
}

TEST_F(SetupVnaTableModelTest, AnEditReachesTheAnalyzerAndTheRowFollowsItsSignal)
{
    setSweep(10e6, 1e9, 100);
    simulator.clearLog();
    QSignalSpy changes(table.get(), &QAbstractItemModel::dataChanged);

    EXPECT_TRUE(edit(Table::StopFrequencyRow, "1.5 GHz"));
    ASSERT_TRUE(changes.wait(2000));
    EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [](const QList<QVariant>& change) {
        return change.at(0).toModelIndex().row() == Table::StopFrequencyRow;
    }));
    EXPECT_EQ(text(*table, Table::StopFrequencyRow), "1.5 G");

    EXPECT_TRUE(edit(Table::OutputPowerRow, "-10dBm"));
    EXPECT_TRUE(edit(Table::IfBandwidthRow, "300Hz"));
    EXPECT_TRUE(edit(Table::SweepPointsRow, "201"));
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(), QStringList({"SENSe1:FREQuency:STOP 1500000000",
                                           "SOURce1:POWer:LEVel:IMMediate:AMPLitude -10",
                                           "SENSe1:BWIDth:RESolution 300", "SENSe1:SWEep:POINts 201"}));
}

TEST_F(SetupVnaTableModelTest, UnreadableEditsWriteNothing)
{
    setSweep(10e6, 1e9, 100);
    simulator.clearLog();
    for (const int row : {Table::StartFrequencyRow, Table::StopFrequencyRow, Table::IfBandwidthRow,
                          Table::OutputPowerRow, Table::SweepPointsRow})
        for (const QString& typed : QStringList{"abc", "", "1e", "1,5"})
            EXPECT_TRUE(edit(row, typed));
    EXPECT_TRUE(edit(Table::SweepPointsRow, "-5"));
    EXPECT_TRUE(edit(Table::SweepPointsRow, "0"));
    EXPECT_TRUE(edit(Table::StartFrequencyRow, "-5 MHz"));
    EXPECT_TRUE(edit(Table::IfBandwidthRow, "0"));
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(), QStringList());
    EXPECT_EQ(simulator.model().findChannel(1)->points, 100);
}

// A value the analyzer cannot take is refused with its reason, known limits before
// anything is sent and the analyzer's own after it was read back; the next edit it
// takes clears the reason.
TEST_F(SetupVnaTableModelTest, RefusedEditsSayWhy)
{
    setSweep(10e6, 1e9, 100);
    simulator.clearLog();

    EXPECT_TRUE(edit(Table::StopFrequencyRow, "25 GHz"));
    EXPECT_EQ(refusal(Table::StopFrequencyRow), "25 GHz is above the analyzer's highest frequency, 20 GHz");
    EXPECT_TRUE(edit(Table::StopFrequencyRow, "5 MHz"));
    EXPECT_EQ(refusal(Table::StopFrequencyRow), "The stop frequency cannot be below the start frequency, 10 MHz");
    EXPECT_TRUE(edit(Table::SweepPointsRow, "abc"));
    EXPECT_EQ(refusal(Table::SweepPointsRow), "abc is not a whole positive number of points");

    // Below the analyzer's lowest frequency, which only the analyzer knows.
    EXPECT_TRUE(edit(Table::StartFrequencyRow, "50 kHz"));
    EXPECT_TRUE(refusal(Table::StartFrequencyRow).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !refusal(Table::StartFrequencyRow).isEmpty(); }, 3000));
    EXPECT_EQ(refusal(Table::StartFrequencyRow), "The analyzer took 100 kHz instead of 50 kHz");

    EXPECT_TRUE(edit(Table::StopFrequencyRow, "2 GHz"));
    EXPECT_TRUE(refusal(Table::StopFrequencyRow).isEmpty());
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(), QStringList({"SENSe1:FREQuency:STARt 50000", "SENSe1:FREQuency:STOP 2000000000"}));
    EXPECT_EQ(refusal(Table::StartFrequencyRow), "The analyzer took 100 kHz instead of 50 kHz");
    EXPECT_TRUE(refusal(Table::StopFrequencyRow).isEmpty());
}

// A reason holds until the row is edited anew or the analyzer's value behind it
// changes, also when a lost analyzer leaves it unknown; another row's change keeps it.
TEST_F(SetupVnaTableModelTest, AReasonGoesWithANewEditOrAChangeOfItsValue)
{
    setSweep(10e6, 1e9, 100);
    const QString tooHigh = "25 GHz is above the analyzer's highest frequency, 20 GHz";
    EXPECT_TRUE(edit(Table::StopFrequencyRow, "25 GHz"));
    ASSERT_EQ(refusal(Table::StopFrequencyRow), tooHigh);
    table->beginEdit(Table::StopFrequencyRow);
    EXPECT_TRUE(refusal(Table::StopFrequencyRow).isEmpty());

    EXPECT_TRUE(edit(Table::StartFrequencyRow, "25 GHz"));
    EXPECT_TRUE(edit(Table::StopFrequencyRow, "25 GHz"));
    setSweep(10e6, 2e9, 100);
    EXPECT_TRUE(refusal(Table::StopFrequencyRow).isEmpty());
    EXPECT_EQ(refusal(Table::StartFrequencyRow), tooHigh);

    // The first refresh may still find the closing link and only lose its reply.
    simulator.close();
    EXPECT_FALSE(refresh());
    EXPECT_FALSE(refresh());
    QCoreApplication::processEvents();
    EXPECT_TRUE(refusal(Table::StartFrequencyRow).isEmpty());
}

// A reason also goes when its row's recommendation moves, with the points the analyzer holds unchanged.
TEST_F(SetupVnaTableModelTest, AReasonGoesWhenItsRowsRecommendationChanges)
{
    setSweep(10e6, 1e9, 100);
    EXPECT_TRUE(edit(Table::SweepPointsRow, "1.5"));
    ASSERT_FALSE(refusal(Table::SweepPointsRow).isEmpty());
    setSweep(20e6, 1e9, 100);
    EXPECT_TRUE(refusal(Table::SweepPointsRow).isEmpty());

    EXPECT_TRUE(edit(Table::SweepPointsRow, "1.5"));
    ASSERT_FALSE(refusal(Table::SweepPointsRow).isEmpty());
    table->setLowPassCheck(false);
    EXPECT_TRUE(refusal(Table::SweepPointsRow).isEmpty());
}

// Prefixes without a blank and exponents read as typed; a fraction of a point is
// refused, never cut to a count nobody typed.
TEST_F(SetupVnaTableModelTest, TypedNumbersReachTheAnalyzerAsTyped)
{
    setSweep(10e6, 1e9, 100);
    simulator.clearLog();

    EXPECT_TRUE(edit(Table::IfBandwidthRow, "30k"));
    EXPECT_TRUE(edit(Table::StartFrequencyRow, "15e6"));
    EXPECT_TRUE(edit(Table::StopFrequencyRow, "15e9"));
    EXPECT_TRUE(edit(Table::SweepPointsRow, "2e2"));
    EXPECT_TRUE(edit(Table::OutputPowerRow, "-1.5e1 dBm"));
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(), QStringList({"SENSe1:BWIDth:RESolution 30000", "SENSe1:FREQuency:STARt 15000000",
                                           "SENSe1:FREQuency:STOP 1.5e+10", "SENSe1:SWEep:POINts 200",
                                           "SOURce1:POWer:LEVel:IMMediate:AMPLitude -15"}));

    simulator.clearLog();
    EXPECT_TRUE(edit(Table::SweepPointsRow, "1.5"));
    EXPECT_EQ(refusal(Table::SweepPointsRow), "1.5 is not a whole positive number of points");
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(), QStringList());
}

// The analyzer's answer to an edit is told as it is: a value it moved to instead,
// or the one it kept; a reading that a later edit of the row overtook tells nothing.
TEST_F(SetupVnaTableModelTest, ARefusalTellsWhatTheAnalyzerHoldsAfterTheLastEdit)
{
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).power = 0.0; });
    setSweep(10e6, 1e9, 201);
    const auto refusalOf = [this](int row, const QString& typed) {
        EXPECT_TRUE(edit(row, typed));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !refusal(row).isEmpty(); }, 10000)) << typed.toStdString();
        return refusal(row);
    };
    EXPECT_EQ(refusalOf(Table::OutputPowerRow, "50"), "The analyzer took 20 dBm instead of 50 dBm");
    EXPECT_EQ(refusalOf(Table::OutputPowerRow, "50"), "The analyzer did not take 50 dBm and keeps 20 dBm");
    EXPECT_EQ(refusalOf(Table::SweepPointsRow, "1000000"), "The analyzer took 200001 instead of 1000000");

    simulator.clearLog();
    EXPECT_TRUE(edit(Table::SweepPointsRow, "401"));
    EXPECT_TRUE(edit(Table::SweepPointsRow, "201"));
    EXPECT_TRUE(refusal(Table::SweepPointsRow).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return simulator.model().findChannel(1)->points == 201; }, 10000));
    drainAnalyzerQueue();
    QCoreApplication::processEvents();
    EXPECT_EQ(settingLines(), QStringList({"SENSe1:SWEep:POINts 401", "SENSe1:SWEep:POINts 201"}));
    EXPECT_TRUE(refusal(Table::SweepPointsRow).isEmpty()) << refusal(Table::SweepPointsRow).toStdString();
}

TEST_F(SetupVnaTableModelTest, ARussianRunShowsAndReadsRussianUnits)
{
    Startup::initPageResources();
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    // Built as the backend builds it, after the catalogues were installed.
    SetupVnaTableModel russianTable(device.get());
    simulator.changeModel([](AnalyzerModel& model) { model.channel(1).ifBandwidth = 30e3; });
    setSweep(10e6, 1e9, 100);

    const auto units = [&russianTable](int row) {
        return russianTable.data(russianTable.index(row, BaseTableModel::VALUE_COLUMN), BaseTableModel::UnitsRole);
    };
    EXPECT_EQ(text(russianTable, Table::StartFrequencyRow), QStringLiteral("10 М"));
    EXPECT_EQ(units(Table::StartFrequencyRow), QStringLiteral("Гц"));
    EXPECT_EQ(text(russianTable, Table::IfBandwidthRow), QStringLiteral("30 к"));
    EXPECT_EQ(recommended(russianTable, Table::IfBandwidthRow), QStringLiteral("≤ 10 кГц"));
    EXPECT_EQ(recommended(russianTable, Table::StepFrequencyRow), QStringLiteral("10 МГц"));
    EXPECT_EQ(units(Table::OutputPowerRow), QStringLiteral("дБм"));

    // What the window writes back: Russian text, or English typed on another keyboard.
    simulator.clearLog();
    const auto edit = [&russianTable](int row, const QString& typed) {
        const QModelIndex value = russianTable.index(row, BaseTableModel::VALUE_COLUMN);
        EXPECT_TRUE(russianTable.setData(value, typed, Qt::DisplayRole));
    };
    edit(Table::StopFrequencyRow, QStringLiteral("1.5 ГГц"));
    edit(Table::StartFrequencyRow, QStringLiteral("20 М"));
    edit(Table::IfBandwidthRow, QStringLiteral("3 kHz"));
    edit(Table::OutputPowerRow, QStringLiteral("-10 дБм"));
    drainAnalyzerQueue();
    EXPECT_EQ(settingLines(),
              QStringList({"SENSe1:FREQuency:STOP 1500000000", "SENSe1:FREQuency:STARt 20000000",
                           "SENSe1:BWIDth:RESolution 3000", "SOURce1:POWer:LEVel:IMMediate:AMPLitude -10"}));
}
