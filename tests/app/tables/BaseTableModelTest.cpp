#include "app/tables/BaseTableModel.h"
#include "tests/analyzer/device/support/QtPrinting.h"
#include "tests/support/MessageCapture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using CoreMeasureEnums::RecommendedResult;

namespace {

// A table whose rows each test lays out.
class RowsTable : public BaseTableModel
{
public:
    void add(TableModelRow row) { m_rows.push_back(std::move(row)); }
    using BaseTableModel::refreshRow;
};

// A row judged `result`, counting how often it is judged.
TableModelRow judged(RecommendedResult result, int* judgements = nullptr)
{
    TableModelRow row(QStringLiteral("judged"), [] { return QVariant(1); });
    row.setRecommended(QStringLiteral("rec"), [result, judgements] {
        if (judgements)
            ++*judgements;
        return result;
    });
    return row;
}

constexpr int Display = Qt::DisplayRole;
constexpr int Verdict = BaseTableModel::RecommendedRole;

} // namespace

class BaseTableModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        table.add(TableModelRow(QStringLiteral("Plain"), [] { return QVariant(QStringLiteral("plain value")); }));
        TableModelRow edited(QStringLiteral("Edited"), [] { return QVariant(12.5); });
        edited.setRecommended(QStringLiteral("below 20"), [] { return RecommendedResult::Warning; },
                              {{static_cast<int>(RecommendedResult::Warning), QStringLiteral("too high")}});
        edited.setUnits(QStringLiteral("Hz"));
        edited.setEnumerationValues({QStringLiteral("a"), QStringLiteral("b")});
        edited.setSetter([this](const QVariant& value) { written << value; });
        table.add(edited);
        table.add(judged(RecommendedResult::Error));
    }

    QVariant cell(int row, int column, int role) const { return table.data(table.index(row, column), role); }

    RowsTable table;
    QVariantList written;
};

TEST_F(BaseTableModelTest, IsAConsistentItemModel)
{
    MessageCapture capture;
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::Warning);
    table.refreshRow(2);
    EXPECT_EQ(MessageCapture::lines(), QStringList());
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.columnCount(), 4);
}

TEST_F(BaseTableModelTest, HeaderRowGivesItsTextsForTheInterfacesRoles)
{
    const QStringList header{"", "Settings", "Current value", "Recommended"};
    for (int column = 0; column < 4; ++column)
        for (const int role : {int(Qt::DisplayRole), int(Qt::EditRole), 256, 257, 258, 259})
            EXPECT_EQ(cell(0, column, role), header[column]) << column << " " << role;
    EXPECT_FALSE(cell(0, 1, Qt::SizeHintRole).isValid());
}

TEST_F(BaseTableModelTest, SettingRowsShowValueRecommendationAndVerdict)
{
    EXPECT_EQ(cell(1, BaseTableModel::NAME_COLUMN, Display), "Plain");
    EXPECT_EQ(cell(1, BaseTableModel::VALUE_COLUMN, Display), "plain value");
    EXPECT_EQ(cell(1, BaseTableModel::RECOMMENDED_COLUMN, Display), "---");
    EXPECT_EQ(cell(1, BaseTableModel::ERROR_COLUMN, Display), "");
    EXPECT_FALSE(cell(1, BaseTableModel::VALUE_COLUMN, Verdict).isValid());
    EXPECT_EQ(cell(1, BaseTableModel::VALUE_COLUMN, Qt::EditRole), false);

    EXPECT_EQ(cell(2, BaseTableModel::VALUE_COLUMN, Display), 12.5);
    EXPECT_EQ(cell(2, BaseTableModel::RECOMMENDED_COLUMN, Display), "below 20");
    EXPECT_EQ(cell(2, BaseTableModel::ERROR_COLUMN, Display), "too high");
    EXPECT_EQ(cell(2, BaseTableModel::VALUE_COLUMN, Verdict), 1);
    EXPECT_EQ(cell(2, BaseTableModel::NAME_COLUMN, BaseTableModel::ValidatorRole), 1);
    EXPECT_EQ(cell(2, BaseTableModel::VALUE_COLUMN, Qt::EditRole), true);
    EXPECT_EQ(cell(2, BaseTableModel::NAME_COLUMN, Qt::EditRole), false);
    EXPECT_EQ(cell(2, 0, BaseTableModel::UnitsRole), "Hz");
    EXPECT_EQ(cell(2, 0, BaseTableModel::EnumerationValuesRole), QStringList({"a", "b"}));

    EXPECT_EQ(cell(3, BaseTableModel::ERROR_COLUMN, Display), "");
    EXPECT_EQ(cell(3, BaseTableModel::VALUE_COLUMN, Verdict), 2);
    EXPECT_EQ(table.roleNames().value(258), "recommended");
}

TEST_F(BaseTableModelTest, OnlyADisplayWriteToAnEditableValueCallsTheSetter)
{
    QSignalSpy changes(&table, &QAbstractItemModel::dataChanged);
    const int value = BaseTableModel::VALUE_COLUMN;
    EXPECT_FALSE(table.setData(table.index(0, value), "x", Display));
    EXPECT_FALSE(table.setData(QModelIndex(), "x", Display));
    EXPECT_FALSE(table.setData(table.index(2, value), "x", Qt::EditRole));
    EXPECT_FALSE(table.setData(table.index(2, BaseTableModel::NAME_COLUMN), "x", Display));
    EXPECT_FALSE(table.setData(table.index(1, value), "x", Display));
    EXPECT_TRUE(written.isEmpty());

    EXPECT_TRUE(table.setData(table.index(2, value), "15", Display));
    EXPECT_EQ(written, QVariantList{"15"});
    EXPECT_EQ(changes.count(), 0);
}

TEST(BaseTableModelVerdictTest, TheFirstErrorEndsTheWalk)
{
    RowsTable empty;
    EXPECT_EQ(empty.rowCount(), 1);
    EXPECT_FALSE(empty.getError().isValid());

    RowsTable correct;
    correct.add(judged(RecommendedResult::Correct));
    correct.add(TableModelRow(QStringLiteral("unjudged"), [] { return QVariant(); }));
    EXPECT_FALSE(correct.getError().isValid());

    int judgementsAfterError = 0;
    RowsTable mixed;
    mixed.add(judged(RecommendedResult::Warning));
    mixed.add(judged(RecommendedResult::Warning));
    EXPECT_EQ(mixed.getError(), 1);
    mixed.add(judged(RecommendedResult::Error));
    mixed.add(judged(RecommendedResult::Warning, &judgementsAfterError));
    EXPECT_EQ(mixed.getError(), 2);
    EXPECT_EQ(mixed.property("hasError"), 2);
    EXPECT_EQ(judgementsAfterError, 0);

    QSignalSpy announced(&mixed, &BaseTableModel::hasErrorChanged);
    mixed.refreshRow(1);
    EXPECT_EQ(announced.count(), 1);
}
