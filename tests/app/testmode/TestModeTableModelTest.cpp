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
#include <map>
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

TEST_F(TestModeTableModelTest, SetDefaultRefreshesEveryRowWithItsNewValue)
{
    table.setTestMode(true);
    edit(Table::CoefficientNRow, "7");
    edit(Table::KaiserBetaRow, "3");
    parameters.setRiseTime(1e-10);
    // A band-pass grid: the step response has no start.
    parameters.setPulseMode(1);
    ASSERT_EQ(values()[Table::StepResponseStartRow - 1], "---");

    // What a view reads at each refresh, as it reads it then.
    std::map<int, QString> lastRead;
    QObject::connect(&table, &QAbstractItemModel::dataChanged,
                     [this, &lastRead](const QModelIndex& from, const QModelIndex& to) {
                         for (int row = from.row(); row <= to.row(); ++row)
                             lastRead[row] = values()[row - 1];
                     });
    table.setDefault();
    std::map<int, QString> expected;
    for (int row = 1; row < table.rowCount(); ++row)
        if (row != Table::LengthRow)
            expected[row] = defaults[row - 1];
    EXPECT_EQ(lastRead, expected);
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

namespace {

// The table as a Russian run builds it, after the start-up installed the catalogues.
class RussianTestModeTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Startup::initPageResources();
        ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
        russian.install();
        ASSERT_EQ(TestModeTableModel::tr("Parameter"), QStringLiteral("Параметр"));
        table = std::make_unique<TestModeTableModel>(&parameters, nullptr);
    }

    QString shown(int row, int column = BaseTableModel::VALUE_COLUMN) const
    {
        return table->data(table->index(row, column)).toString();
    }

    void edit(int row, const QString& typed)
    {
        EXPECT_TRUE(table->setData(table->index(row, BaseTableModel::VALUE_COLUMN), typed, Qt::DisplayRole));
    }

    Startup::Localization russian;
    ProcessInputParameters parameters;
    std::unique_ptr<TestModeTableModel> table;
};

} // namespace

TEST_F(RussianTestModeTable, ShowsRussianNamesAndUnitsAndExportsTheEnglishOnes)
{
    EXPECT_EQ(shown(Table::ModeRow, BaseTableModel::NAME_COLUMN), QStringLiteral("Режим"));
    EXPECT_EQ(shown(Table::KaiserBetaRow, BaseTableModel::NAME_COLUMN), QStringLiteral("Бета Кайзера"));
    EXPECT_EQ(shown(Table::ModeRow), QStringLiteral("НЧ"));
    EXPECT_EQ(shown(Table::RiseTimeRow), QStringLiteral("49 п"));
    EXPECT_EQ(shown(Table::MinGateTimeRow), QStringLiteral("-200 пс"));
    EXPECT_EQ(shown(Table::HighSignalCenterModeRow), QStringLiteral("БАЗА"));
    EXPECT_EQ(shown(Table::StepResponseStartRow), QStringLiteral("-49 н"));

    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    TaskProgress task;
    const QString prefix = directory.filePath("run");
    const auto ignore = [](const QString&) {};
    ASSERT_TRUE(TestModeExport(nullptr, ignore).run(prefix, table->rows(), nullptr, task, ignore));

    QSettings written(prefix + "_ParametersTestMode.ini", QSettings::IniFormat);
    written.beginGroup(QStringLiteral("PARAMETERS"));
    QStringList keys = written.childKeys();
    keys.sort();
    QStringList english{"Mode", "Length", "4_x_Rise_time", "Rise_time", "Coefficient_N", "Coefficient_Nrt",
                        "Min_gate_time", "Low_signal_center_mode", "High_signal_center_mode", "Kaiser_Beta_X",
                        "Kaiser_Beta", "Step_response_start"};
    english.sort();
    EXPECT_EQ(keys, english);
    EXPECT_EQ(written.value("Mode").toString(), "LOW");
    EXPECT_EQ(written.value("4_x_Rise_time").toString(), "196 p");
    EXPECT_EQ(written.value("Min_gate_time").toString(), "-200 ps");
    EXPECT_EQ(written.value("Low_signal_center_mode").toString(), "MEAS");
    EXPECT_EQ(written.value("High_signal_center_mode").toString(), "BASE");
    EXPECT_EQ(written.value("Step_response_start").toString(), "-49 n");
}

TEST_F(RussianTestModeTable, TranslatedChoicesAndUnitsSetTheirValues)
{
    table->setTestMode(true);
    const QStringList choices{QStringLiteral("ИЗМ"), QStringLiteral("БАЗА")};
    EXPECT_EQ(table->data(table->index(Table::LowSignalCenterModeRow, BaseTableModel::VALUE_COLUMN),
                          BaseTableModel::EnumerationValuesRole)
                  .toStringList(),
              choices);
    // The choice writes back the text it shows.
    edit(Table::LowSignalCenterModeRow, choices[1]);
    edit(Table::HighSignalCenterModeRow, choices[0]);
    EXPECT_EQ(parameters.lowSignalCenterMode(), 1);
    EXPECT_EQ(parameters.highSignalCenterMode(), 0);
    edit(Table::LowSignalCenterModeRow, "MEAS");
    EXPECT_EQ(parameters.lowSignalCenterMode(), 0);

    // Russian units and prefixes, and the English ones a user may type as well.
    for (const auto& [typed, time] : {std::pair{QStringLiteral("150 пс"), 1.5e-10},
                                      {QStringLiteral("-0.3 нс"), -3e-10},
                                      {QStringLiteral("120 ps"), 1.2e-10},
                                      {QStringLiteral("2н"), 2e-9}}) {
        parameters.setTimeMin(0.0);
        edit(Table::MinGateTimeRow, typed);
        EXPECT_DOUBLE_EQ(parameters.timeMin(), time) << typed.toStdString();
    }
    EXPECT_EQ(shown(Table::MinGateTimeRow), QStringLiteral("2 нс"));
}
