#pragma once

#include "analyzer/threading/WaitForResult.h"
#include "app/tables/BaseTableModel.h"
#include "tests/analyzer/device/support/FacadeSession.h"

#include <QCoreApplication>

#include <algorithm>

#include <memory>

// A check table on the facade of a simulated analyzer served by the test's
// thread, whose queued change signals reach the table at each refresh.
template <typename Table>
class CheckTableSession : public FacadeSession
{
protected:
    static constexpr int Correct = 0;
    static constexpr int Warning = 1;
    static constexpr int Error = 2;

    void SetUp() override
    {
        FacadeSession::SetUp();
        table = std::make_unique<Table>(device.get());
    }

    // Two refreshes: the second one also reads the port impedances.
    void refreshTwice()
    {
        ASSERT_TRUE(refresh());
        ASSERT_TRUE(refresh());
        QCoreApplication::processEvents();
    }

    // Waits until every task posted to the analyzer before has been carried out.
    void drainAnalyzerQueue()
    {
        ASSERT_TRUE(waitForResult<bool>(
            [this](auto done) { device->readStateFileSaveType([done](auto) { done(true); }); }));
    }

    // The lines that changed a setting (queries, such as the drain's and the reading
    // back of an edit, left out).
    QStringList settingLines() const
    {
        QStringList sent = lines();
        sent.erase(std::remove_if(sent.begin(), sent.end(), [](const QString& line) { return line.endsWith('?'); }),
                   sent.end());
        return sent;
    }

    static QVariant text(const BaseTableModel& table, int row, int column = BaseTableModel::VALUE_COLUMN)
    {
        return table.data(table.index(row, column), Qt::DisplayRole);
    }

    static QVariant recommended(const BaseTableModel& table, int row)
    {
        return text(table, row, BaseTableModel::RECOMMENDED_COLUMN);
    }

    static QVariant verdict(const BaseTableModel& table, int row)
    {
        return table.data(table.index(row, BaseTableModel::VALUE_COLUMN), BaseTableModel::RecommendedRole);
    }

    std::unique_ptr<Table> table;
};
