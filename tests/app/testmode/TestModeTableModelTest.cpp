#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/WorkerThread.h"
#include "app/exports/TestModeExport.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/Localization.h"
#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/FixtureSetups.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using Algorithms::ProcessInputParameters;
using Table = TestModeTableModel;

namespace {

class TestModeTableModelTest : public ::testing::Test
{
protected:
    QStringList values() const
    {
        QStringList texts;
        for (int row = 1; row < table.rowCount(); ++row)
            texts << table.data(table.index(row, BaseTableModel::VALUE_COLUMN)).toString();
        return texts;
    }

    void edit(int row, const QVariant& typed)
    {
        EXPECT_TRUE(table.setData(table.index(row, BaseTableModel::VALUE_COLUMN), typed, Qt::DisplayRole));
    }

    const QStringList defaults{"LOW", "---", "196 p", "49 p", "4", "0.89", "-200 ps", "MEAS", "BASE", "6", "0", "-49 n"};

    ProcessInputParameters parameters;
    SyncedVnaDevice device;
    WorkerThread worker;
    ProgressManager progress;
    FixtureSetups setups{&parameters, &device, &worker, &progress};
    TestModeTableModel table{&parameters, &setups};
};

} // namespace

TEST_F(TestModeTableModelTest, ShowsTheDefaultParametersNeverJudgedOtherThanCorrect)
{
    EXPECT_EQ(values(), defaults);
    EXPECT_EQ(table.data(table.index(0, BaseTableModel::VALUE_COLUMN)), "Value");
    EXPECT_EQ(table.data(table.index(Table::CoefficientNRow, BaseTableModel::RECOMMENDED_COLUMN)),
              "For gating window width calculation");
    EXPECT_FALSE(table.getError().isValid());
}

TEST_F(TestModeTableModelTest, MinGateTimeReadsPrefixedTextWithOrWithoutSeconds)
{
    table.setTestMode(true);
    for (const QString& typed : QStringList{"150p", "150 ps"}) {
        parameters.setTimeMin(0.0);
        edit(Table::MinGateTimeRow, typed);
        EXPECT_DOUBLE_EQ(parameters.timeMin(), 1.5e-10) << typed.toStdString();
    }
    edit(Table::MinGateTimeRow, "abc");
    EXPECT_DOUBLE_EQ(parameters.timeMin(), 1.5e-10);
    EXPECT_EQ(values()[Table::MinGateTimeRow - 1], "150 ps");
}

TEST_F(TestModeTableModelTest, EditsOutsideAParametersRangeAreRefused)
{
    table.setTestMode(true);
    edit(Table::CoefficientNRow, "5.7");
    for (const QVariant& typed : {QVariant("0.5"), QVariant("nan"), QVariant("abc"), QVariant(-3), QVariant("1e10"),
                                 QVariant()})
        edit(Table::CoefficientNRow, typed);
    EXPECT_EQ(parameters.nRiseTime(), 5);

    edit(Table::CoefficientNrtRow, 0.5);
    for (const QVariant& typed : {QVariant(0.0), QVariant(-1.0), QVariant("inf"), QVariant("abc")})
        edit(Table::CoefficientNrtRow, typed);
    EXPECT_DOUBLE_EQ(parameters.normalizingValue(), 0.5);

    edit(Table::KaiserBetaRow, "2.5");
    edit(Table::KaiserBetaXRow, "0");
    for (const int row : {Table::KaiserBetaRow, Table::KaiserBetaXRow})
        for (const QVariant& typed : {QVariant(-1.0), QVariant("nan"), QVariant("abc")})
            edit(row, typed);
    EXPECT_DOUBLE_EQ(parameters.kaiserBeta(), 2.5);
    EXPECT_DOUBLE_EQ(parameters.kaiserBetaX(), 0.0);

    edit(Table::LowSignalCenterModeRow, "BASE");
    edit(Table::HighSignalCenterModeRow, "MEAS");
    EXPECT_EQ(parameters.lowSignalCenterMode(), 1);
    EXPECT_EQ(parameters.highSignalCenterMode(), 0);
}

TEST_F(TestModeTableModelTest, SetDefaultRefreshesEveryRow)
{
    table.setTestMode(true);
    edit(Table::CoefficientNRow, "7");
    edit(Table::KaiserBetaRow, "3");
    parameters.setRiseTime(1e-10);
    parameters.setPulseMode(1);
    ASSERT_NE(values(), defaults);

    QSignalSpy changes(&table, &QAbstractItemModel::dataChanged);
    table.setDefault();
    std::set<int> refreshed;
    for (const QList<QVariant>& change : changes)
        refreshed.insert(change.at(0).toModelIndex().row());
    std::set<int> parameterRows;
    for (int row = 1; row < table.rowCount(); ++row)
        if (row != Table::LengthRow)
            parameterRows.insert(row);
    EXPECT_EQ(refreshed, parameterRows);
    EXPECT_EQ(values(), defaults);
    EXPECT_TRUE(table.isTestMode());
}

TEST_F(TestModeTableModelTest, SwitchingTheTestModeRefreshesTheRowsOfTheSwitchedParameters)
{
    table.setTestMode(true);
    edit(Table::KaiserBetaRow, "3");
    edit(Table::MinGateTimeRow, "150p");

    QSignalSpy changes(&table, &QAbstractItemModel::dataChanged);
    table.setTestMode(false);
    std::set<int> refreshed;
    for (const QList<QVariant>& change : changes)
        refreshed.insert(change.at(0).toModelIndex().row());
    EXPECT_EQ(refreshed, std::set<int>({Table::CoefficientNrtRow, Table::MinGateTimeRow, Table::LowSignalCenterModeRow,
                                        Table::HighSignalCenterModeRow, Table::KaiserBetaXRow, Table::KaiserBetaRow}));
    EXPECT_EQ(values(), defaults);

    changes.clear();
    table.setTestMode(false);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(TestModeTableModelTest, LengthFollowsTheFirstFixturePortWithAnImpulseResponse)
{
    // A second setup and reflect steps on fixture "B": ports the table must follow as they appear.
    setups.addSetup();
    setups.setup(1)->setBbConnectionEnabled(true);
    QmlFixturePort* port = setups.setup(1)->rightFixtureConn()->getFixturePort(0)->measureData();
    QSignalSpy changes(&table, &QAbstractItemModel::dataChanged);

    Algorithms::ImpulseResponse response;
    response.times = {0.0, 1e-11, 2e-11};
    response.values = {0.0, 1.0, 0.0};
    response.delay = 1.23e-10;
    response.coarseDelay = 1.2e-10;
    ASSERT_TRUE(port->setImpulseResponse(response));
    QCoreApplication::processEvents();

    EXPECT_EQ(values()[Table::LengthRow - 1], "123 ps");
    EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [](const QList<QVariant>& change) {
        return change.at(0).toModelIndex().row() == Table::LengthRow;
    }));
}

TEST(TestModeTableKeys, ARussianRunExportsTheParametersUnderTheEnglishKeys)
{
    Startup::initPageResources();
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    ASSERT_EQ(TestModeTableModel::tr("Parameter"), QStringLiteral("Параметр"));

    ProcessInputParameters parameters;
    TestModeTableModel table(&parameters, nullptr);
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    TaskProgress task;
    const QString prefix = directory.filePath("run");
    const auto ignore = [](const QString&) {};
    ASSERT_TRUE(TestModeExport(nullptr, ignore).run(prefix, table.rows(), nullptr, task, ignore));

    QSettings written(prefix + "_ParametersTestMode.ini", QSettings::IniFormat);
    written.beginGroup(QStringLiteral("PARAMETERS"));
    QStringList keys = written.childKeys();
    keys.sort();
    QStringList english{"Mode", "Length", "4_x_Rise_time", "Rise_time", "Coefficient_N", "Coefficient_Nrt",
                        "Min_gate_time", "Low_signal_center_mode", "High_signal_center_mode", "Kaiser_Beta_X",
                        "Kaiser_Beta", "Step_response_start"};
    english.sort();
    EXPECT_EQ(keys, english);
}
