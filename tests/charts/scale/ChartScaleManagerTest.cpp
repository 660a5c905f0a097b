#include "charts/scale/ChartScaleManager.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

Q_DECLARE_METATYPE(QVector<QPointF>*)

namespace {

// The names of the range signals in the order they were emitted.
class SignalLog
{
public:
    explicit SignalLog(ChartScaleManager& manager)
    {
        const auto record = [this](const char* name) { return [this, name] { names.append(name); }; };
        QObject::connect(&manager, &ChartScaleManager::minXChanged, record("minX"));
        QObject::connect(&manager, &ChartScaleManager::maxXChanged, record("maxX"));
        QObject::connect(&manager, &ChartScaleManager::minMaxXChanged, record("minMaxX"));
        QObject::connect(&manager, &ChartScaleManager::minYChanged, record("minY"));
        QObject::connect(&manager, &ChartScaleManager::maxYChanged, record("maxY"));
        QObject::connect(&manager, &ChartScaleManager::minMaxYChanged, record("minMaxY"));
    }

    QStringList names;
};

const QStringList allSix{"minX", "maxX", "minMaxX", "minY", "maxY", "minMaxY"};

} // namespace

TEST(ChartScaleManagerTest, RangesSpanEveryCurveAndAnnounceAllSix)
{
    ChartScaleManager manager;
    SignalLog log(manager);
    manager.addData("a", {{0, 1}, {10, 5}});
    EXPECT_EQ(manager.getMinMaxX(), QPointF(0, 10));
    EXPECT_EQ(manager.getMinMaxY(), QPointF(1, 5));
    EXPECT_EQ(log.names, allSix);

    manager.addData("b", {{-5, 3}, {20, -2}, {7, 9}});
    EXPECT_EQ(manager.getMinMaxX(), QPointF(-5, 20));
    EXPECT_EQ(manager.getMinMaxY(), QPointF(-2, 9));

    // Replacing a curve under its name, appending a point, removing a curve.
    manager.addData("b", {{2, 2}});
    EXPECT_EQ(manager.getMinMaxY(), QPointF(1, 5));
    manager.appendData("c", {30, -1});
    EXPECT_EQ(manager.getMinMaxX(), QPointF(0, 30));
    manager.removeData("c");
    EXPECT_EQ(manager.getMinMaxX(), QPointF(0, 10));

    // Removing the last curve empties the ranges and says nothing.
    manager.removeData("a");
    log.names.clear();
    manager.removeData("b");
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_EQ(manager.getMinMaxX(), QPointF(0, 1));
    EXPECT_EQ(manager.getMinMaxY(), QPointF(0, 1));
    EXPECT_EQ(manager.getMaxY(), 0.0);
}

TEST(ChartScaleManagerTest, LargestYIsCappedFromTheNextDataChange)
{
    ChartScaleManager manager;
    manager.setMaximumYLimit(3);
    manager.addData("a", {{0, 1}, {10, 5}});
    EXPECT_EQ(manager.getMaxY(), 3.0);
    manager.addData("b", {{0, 2}, {1, 2.5}});
    EXPECT_EQ(manager.getMaxY(), 3.0);

    QSignalSpy limitChanged(&manager, &ChartScaleManager::maximumYLimitChanged);
    manager.setMaximumYLimit(-1);
    EXPECT_EQ(limitChanged.count(), 1);
    EXPECT_EQ(manager.getMaxY(), 3.0);
    manager.acceptRanges();
    EXPECT_EQ(manager.getMaxY(), 5.0);
}

// A curve in decibels of an exact zero holds -inf; a failed sample NaN.
TEST(ChartScaleManagerTest, ValuesThatAreNotFiniteTakeNoPartInTheRanges)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    ChartScaleManager manager;
    manager.addData("a", {{1, -infinity}, {2, -20}, {notANumber, 4}, {3, notANumber}, {infinity, -10}});
    EXPECT_EQ(manager.getMinMaxX(), QPointF(1, 3));
    EXPECT_EQ(manager.getMinMaxY(), QPointF(-20, 4));
    manager.addData("b", {{notANumber, notANumber}});
    EXPECT_EQ(manager.getMinMaxX(), QPointF(1, 3));
}

TEST(ChartScaleManagerTest, EmptyInputAndDirectSettersSignalOnlyOnChange)
{
    ChartScaleManager manager;
    SignalLog log(manager);
    QVector<QPointF> empty;
    EXPECT_FALSE(manager.addDataPtr("a", nullptr));
    EXPECT_FALSE(manager.addDataPtr("a", &empty));
    EXPECT_TRUE(log.names.isEmpty());

    QVector<QPointF> points{{0, 0}, {10, 1}};
    EXPECT_TRUE(manager.addDataPtr("a", &points));
    log.names.clear();
    manager.setMinMaxX({2, 8});
    EXPECT_EQ(log.names, (QStringList{"minX", "maxX", "minMaxX"}));
    EXPECT_EQ(manager.getMinMaxX(), QPointF(2, 8));
    manager.setMinMaxX({2, 8 + 1e-14});
    manager.setMaxY(1);
    EXPECT_EQ(log.names.size(), 3);
    manager.setMinY(-1);
    EXPECT_EQ(log.names.mid(3), (QStringList{"minY", "minMaxY"}));

    log.names.clear();
    manager.clear();
    EXPECT_TRUE(log.names.isEmpty());
    EXPECT_EQ(manager.getMinMaxY(), QPointF(0, 1));
}

// The chart tabs hand over a fixture port's curve, as a pointer, from the declarative interface.
TEST(ChartScaleManagerTest, TakesACurvePointerFromTheInterface)
{
    qRegisterMetaType<QVector<QPointF>*>("QVector<QPointF>*");
    QVector<QPointF> points{{0, 1}, {10, 5}};
    ChartScaleManager manager;
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("manager"), &manager);
    engine.rootContext()->setContextProperty(QStringLiteral("points"), QVariant::fromValue(&points));
    QQmlExpression call(engine.rootContext(), nullptr, QStringLiteral("manager.addDataPtr('S11 A1', points)"));
    EXPECT_TRUE(call.evaluate().toBool()) << call.error().toString().toStdString();
    EXPECT_EQ(manager.getMinMaxX(), QPointF(0, 10));
    EXPECT_EQ(manager.getMinMaxY(), QPointF(1, 5));
}
