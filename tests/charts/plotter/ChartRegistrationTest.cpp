#include "tests/charts/plotter/PlotterScene.h"

#include <QMetaType>
#include <QQmlComponent>
#include <QQmlEngine>

#include <memory>

namespace PlotterTest {
namespace {

class ChartRegistration : public QmlScene
{
protected:
    // The component's errors, empty when it was made.
    QString errorsOf(const QByteArray& qml)
    {
        QQmlComponent component(&engine);
        component.setData(qml, QUrl(QStringLiteral("qrc:/tests/Registration.qml")));
        return component.isError() ? component.errorString() : QString();
    }

    QQmlEngine engine;
};

} // namespace

TEST_F(ChartRegistration, EveryTypeIsCreatedAndTheEnumerationsOnlyName)
{
    EXPECT_NE(QMetaType::type("TraceDomain*"), int(QMetaType::UnknownType));

    QQmlComponent component(&engine);
    component.setData(R"(
import QtQuick 2.15
import com.orlix.chart 1.0
import "qrc:/core/qml/chart"
Item {
    property var made: [trace, chart, polar, smith, grid, xAxis, yAxis, markers, plotter, axis]
    property int logGrid: GridLayoutMode.LogGrid
    property int polarFormat: TraceFormat.PolarFormat
    property int labelCount: NiceLabels.looseLabels(0, 10).length
    property bool domainReadable: trace.domain.xRange.x === 0
    property var axis: UnitValueAxis { id: axis; unit: "Hz" }
    Trace { id: trace }
    Chart { id: chart }
    PolarGrid { id: polar }
    SmithGrid { id: smith }
    Grid { id: grid; xLayout: GridLayoutMode.LogGrid }
    XAxis { id: xAxis }
    YAxis { id: yAxis }
    MarkerView { id: markers }
    Plotter { id: plotter }
}
)",
                      QUrl(QStringLiteral("qrc:/tests/Registration.qml")));
    std::unique_ptr<QObject> made(component.create());
    ASSERT_TRUE(made) << component.errorString().toStdString();
    EXPECT_EQ(made->property("made").toList().size(), 10);
    EXPECT_EQ(made->property("logGrid").toInt(), 3);
    EXPECT_EQ(made->property("polarFormat").toInt(), 2);
    EXPECT_EQ(made->property("labelCount").toInt(), 11);
    EXPECT_TRUE(made->property("domainReadable").toBool());
    EXPECT_EQ(made->property("axis").value<QObject*>()->property("unit").toString(), QStringLiteral("Hz"));

    EXPECT_TRUE(errorsOf("import com.orlix.chart 1.0\nGridLayoutMode { }")
                    .contains(QStringLiteral("GridLayoutMode need only for enum. Cannot be instantiated.")));
    EXPECT_TRUE(errorsOf("import com.orlix.chart 1.0\nTraceFormat { }")
                    .contains(QStringLiteral("TraceFormat need only for enum. Cannot be instantiated.")));
}

} // namespace PlotterTest
