#include "measurement/models/UniquePtrModel.h"
#include "measurement/models/ValueModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

constexpr int ValueRole = details::Base::ValueRole;

// Records every notification of a model in the order observers receive them.
struct SignalLog
{
    explicit SignalLog(details::Base& model)
    {
        const auto note = [this](const char* name) { return [this, name] { names << name; }; };
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, note("rowsInserted"));
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, note("rowsRemoved"));
        QObject::connect(&model, &QAbstractItemModel::modelReset, note("modelReset"));
        QObject::connect(&model, &QAbstractItemModel::dataChanged, note("dataChanged"));
        QObject::connect(&model, &details::Base::sizeChanged, note("sizeChanged"));
        QObject::connect(&model, &details::Base::changed, note("changed"));
    }
    QStringList take() { return std::exchange(names, {}); }
    QStringList names;
};

} // namespace

TEST(ValueModel, RowOperationsKeepTheItemModelContractAndAnnounceSizeAfterTheRows)
{
    ValueModel<uint> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    SignalLog log(model);

    model.append(4u);
    EXPECT_EQ(log.take(), QStringList({"rowsInserted", "sizeChanged", "changed"}));
    model.append(std::vector<uint>{5u, 6u});
    model.insert(1, 2, 9u);
    EXPECT_EQ(model.rows(), (std::vector<uint>{4, 9, 9, 5, 6}));
    log.take();

    EXPECT_FALSE(model.remove(1, 0));
    EXPECT_FALSE(model.remove(-1, 1));
    EXPECT_FALSE(model.remove(4, 2));
    EXPECT_FALSE(model.insert(6, 1, 1u));
    EXPECT_TRUE(log.take().isEmpty());

    EXPECT_TRUE(model.remove(1, 2));
    EXPECT_EQ(log.take(), QStringList({"rowsRemoved", "sizeChanged", "changed"}));
    EXPECT_EQ(model.rows(), (std::vector<uint>{4, 5, 6}));

    EXPECT_TRUE(model.setValue(2, 8u));
    EXPECT_EQ(log.take(), QStringList({"dataChanged", "changed"}));
    EXPECT_FALSE(model.setValue(3, 1u));
    EXPECT_TRUE(log.take().isEmpty());

    model.reset({1u, 2u});
    EXPECT_EQ(log.take(), QStringList({"modelReset", "sizeChanged", "changed"}));
    model.reset();
    EXPECT_EQ(model.size(), 0);
    EXPECT_FALSE(model.remove(0, 1));
}

TEST(ValueModel, QmlEditsConvertTheValueAndAnythingButTheValueRoleOfARowIsRefused)
{
    ValueModel<uint> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.append(std::vector<uint>{1u, 2u});
    QSignalSpy sizeSpy(&model, &details::Base::sizeChanged);

    EXPECT_TRUE(model.setData(model.index(0, 0), QStringLiteral("7"), ValueRole));
    EXPECT_TRUE(model.setData(model.index(1, 0), QStringLiteral("seven"), ValueRole));
    EXPECT_EQ(model.rows(), (std::vector<uint>{7, 0}));
    EXPECT_FALSE(model.setData(model.index(0, 0), 3u, Qt::DisplayRole));
    EXPECT_FALSE(model.setData(model.index(2, 0), 3u, ValueRole));
    EXPECT_EQ(sizeSpy.count(), 0);

    EXPECT_EQ(model.data(model.index(0, 0), ValueRole), QVariant(7u));
    EXPECT_EQ(model.get(0), QVariant(7u));
    EXPECT_FALSE(model.get(2).isValid());
    EXPECT_FALSE(model.get(-1).isValid());
    EXPECT_FALSE(model.data(model.index(0, 0), 0).isValid());
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_EQ(model.roleNames().value(ValueRole), QByteArray("value"));
    EXPECT_EQ(model.toVectorVariant(), (QVector<QVariant>{7u, 0u}));
}

TEST(UniquePtrModel, RowsSharedWithCallersOutliveTheirRowAndReachQmlAsRawPointers)
{
    UniquePtr_Model<QObject> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    SignalLog log(model);

    auto kept = std::make_shared<QObject>();
    std::weak_ptr<QObject> dropped;
    {
        auto other = std::make_shared<QObject>();
        dropped = other;
        model.append(kept);
        model.append(std::vector<std::shared_ptr<QObject>>{other});
    }
    EXPECT_EQ(log.take(), QStringList({"rowsInserted", "sizeChanged", "changed", "rowsInserted", "sizeChanged",
                                       "changed"}));
    EXPECT_EQ(model.get(0).value<QObject*>(), kept.get());
    EXPECT_EQ(model.data(model.index(1, 0), ValueRole).value<QObject*>(), dropped.lock().get());
    EXPECT_FALSE(model.data(model.index(2, 0), ValueRole).isValid());
    EXPECT_FALSE(model.get(-1).isValid());
    EXPECT_FALSE(model.get(2).isValid());

    model.remove(0, 2);
    EXPECT_TRUE(dropped.expired());
    EXPECT_EQ(kept.use_count(), 1);

    model.append(kept);
    model.reset();
    EXPECT_EQ(kept.use_count(), 1);
}
