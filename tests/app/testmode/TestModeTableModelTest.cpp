#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

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

    const QStringList defaults{"LOW", "196 p", "49 p", "4", "0.89", "-200 ps", "MEAS", "BASE", "6", "0", "-49 n"};

    ProcessInputParameters parameters;
    TestModeTableModel table{&parameters};
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
    EXPECT_EQ(refreshed.size(), std::size_t(table.rowCount() - 1));
    EXPECT_EQ(values(), defaults);
    EXPECT_TRUE(table.isTestMode());
}
