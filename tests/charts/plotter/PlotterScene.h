#pragma once

#include "charts/scale/ChartScaleManager.h"
#include "charts/traces/Trace.h"

#include <QByteArray>
#include <QList>
#include <QQuickItem>
#include <QQuickView>
#include <QVariant>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Points read as (x, y) in failure messages.
inline void PrintTo(const QPointF& point, std::ostream* out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

namespace PlotterTest {

// The chart module, the shared singletons and the style set up as the
// application does, once per process; a test fails on any warning or error
// that Qt or the declarative engine writes while it runs.
class QmlScene : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;
};

// A 640 x 400 plotter in a window; its scale manager is `manager`.
class PlotterScene : public QmlScene
{
protected:
    void SetUp() override;
    void TearDown() override;

    Trace* addTrace(const QString& name);
    QVariant call(const char* function, const QVariant& argument = {});
    QPointF pointOf(const char* property) const;
    // Lets the plotter's deferred layout run.
    static void settle();

    // The visible items below the plotter with the given object name, in tree order.
    QList<QQuickItem*> visibleNamed(const QString& name) const;

    std::unique_ptr<QQuickView> view;
    QQuickItem* root = nullptr;
    QQuickItem* plotter = nullptr;
    ChartScaleManager manager;
};

} // namespace PlotterTest
