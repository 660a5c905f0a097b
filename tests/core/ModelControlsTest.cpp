#include "tests/core/QmlTestSupport.h"
#include "tests/core/StandInModels.h"

#include <QColor>

TEST_F(QmlTest, CheckTableOffersEachRowItsEditorAndVerdict)
{
    StandInCheckTable model({{"IF bandwidth", "10 k", "Hz", {}, true, 0},
                             {"Sweep type", "LOG", {}, {"LIN", "LOG"}, true, 2},
                             {"Points", "201", {}, {}, false, QVariant()}});
    model.hasError = 2;
    QObject* table = create(engine(), control("NoltVnaTable"), {{"model", QVariant::fromValue<QObject*>(&model)}});
    ASSERT_NE(table, nullptr);
    show(table);
    EXPECT_EQ(table->property("hasError").toInt(), 2);

    // Markers on the judged rows only, none in the header row.
    const QList<QQuickItem*> verdicts = visibleItemsNamed(table, "verdict");
    ASSERT_EQ(verdicts.size(), 2);
    EXPECT_EQ(verdicts[0]->property("type").toInt(), 0);
    EXPECT_EQ(verdicts[1]->property("type").toInt(), 2);

    // Choices make a combo box on the chosen text; choosing writes the text.
    const QList<QQuickItem*> choices = visibleItemsNamed(table, "valueChoice");
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0]->property("currentIndex").toInt(), 1);
    QMetaObject::invokeMethod(choices[0], "activated", Q_ARG(int, 0));

    // A field with units shows them only while it is not edited; Enter writes the text.
    const QList<QQuickItem*> fields = visibleItemsNamed(table, "valueField");
    ASSERT_EQ(fields.size(), 2);
    QQuickItem* bandwidth = fields[0];
    EXPECT_EQ(bandwidth->property("text").toString(), "10 kHz");
    EXPECT_EQ(bandwidth->property("result").toInt(), 0);
    EXPECT_FALSE(bandwidth->property("readOnly").toBool());
    bandwidth->forceActiveFocus();
    EXPECT_EQ(bandwidth->property("text").toString(), "10 k");
    // Half-typed text the pattern lets through is no value and is not written.
    for (const char* partial : {"", "+", ".", "- k"}) {
        bandwidth->setProperty("text", partial);
        QMetaObject::invokeMethod(bandwidth, "accepted");
    }
    bandwidth->setProperty("text", "20 k");
    QMetaObject::invokeMethod(bandwidth, "accepted");
    bandwidth->setProperty("text", "1.5 M");
    QMetaObject::invokeMethod(bandwidth, "accepted");

    // A row without a setter is read-only.
    EXPECT_TRUE(fields[1]->property("readOnly").toBool());
    EXPECT_EQ(fields[1]->property("text").toString(), "201");

    ASSERT_EQ(model.writes.size(), 3u);
    EXPECT_EQ(model.writes[0], std::make_pair(2, QVariant("LIN")));
    EXPECT_EQ(model.writes[1], std::make_pair(1, QVariant("20 k")));
    EXPECT_EQ(model.writes[2], std::make_pair(1, QVariant("1.5 M")));
}

TEST_F(QmlTest, ProgressViewColoursRunningCancelledAndFinishedTasks)
{
    StandInProgressWatcher running;
    running.name = "Save setup";
    running.progressText = "Read freqs";
    StandInProgressWatcher cancelled;
    cancelled.name = "Correction";
    cancelled.isCanceled = true;
    cancelled.isFinished = true;
    StandInObjectList model({&running, &cancelled});

    QObject* view = create(engine(), control("ProgressView"), {{"model", QVariant::fromValue<QObject*>(&model)}});
    ASSERT_NE(view, nullptr);
    show(view);

    const QList<QQuickItem*> titles = visibleItemsNamed(view, "progressTitle");
    const QList<QQuickItem*> texts = visibleItemsNamed(view, "progressText");
    const QList<QQuickItem*> bars = visibleItemsNamed(view, "progressBar");
    ASSERT_EQ(bars.size(), 2);
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->property("text").toString(), "Save setup");
    EXPECT_EQ(texts[0]->property("text").toString(), "Read freqs");
    EXPECT_EQ(bars[0]->property("value").toDouble(), 1.0);
    EXPECT_EQ(bars[0]->property("to").toDouble(), 2.0);

    const QColor success("#32D74B");
    EXPECT_EQ(bars[0]->property("barColor").value<QColor>(), success.lighter(200));
    EXPECT_EQ(bars[1]->property("barColor").value<QColor>(), QColor("#FF453A"));

    running.isFinished = true;
    emit running.changed();
    EXPECT_EQ(bars[0]->property("barColor").value<QColor>(), success);
}

TEST_F(QmlTest, PortPaneShowsTheMeasuredPortsResults)
{
    StandInMeasuredPort port;
    port.measuredPort = 2;
    port.z0Port = 50.0;

    QObject* pane = create(engine(), control("PortMeasureDataPane"),
                           {{"fixturePort", QVariant::fromValue<QObject*>(&port)}, {"status", 1}});
    ASSERT_NE(pane, nullptr);
    const auto line = [&](const char* name) {
        const QList<QQuickItem*> found = visibleItemsNamed(pane, name);
        return found.isEmpty() ? QStringLiteral("<hidden>") : found.first()->property("text").toString();
    };
    // Nothing measured yet: no value, whatever the row holds from before.
    EXPECT_EQ(line("portLine"), "Port 3 | --- Ohm");
    EXPECT_EQ(line("lengthLine"), "L3 = --- s");
    EXPECT_EQ(line("impedanceLine"), "Z3 = --- Ohm");
    EXPECT_EQ(line("conversionLine"), "<hidden>");

    port.results.isMeasured = true;
    port.results.length = 1.5e-10;
    port.results.impedance = 48.2;
    emit port.results.changed();
    EXPECT_EQ(line("portLine"), "Port 3 | 50 Ohm");
    EXPECT_EQ(line("lengthLine"), "L3 = 1.5e-10|2 s");
    EXPECT_EQ(line("impedanceLine"), "Z3 = 48.2|2 Ohm");
    // Without a conversion there is no converted impedance to show.
    EXPECT_EQ(line("conversionLine"), "<hidden>");
    EXPECT_EQ(line("errorLine"), "<hidden>");

    port.results.z0Transform = 75.0;
    emit port.results.changed();
    EXPECT_EQ(line("conversionLine"), QString::fromUtf8("Z3 → 75|2 Ohm"));

    pane->setProperty("status", 2);
    EXPECT_EQ(line("errorLine"), "Error while measure");
    EXPECT_EQ(line("lengthLine"), "<hidden>");
    EXPECT_EQ(line("impedanceLine"), "<hidden>");
}

TEST_F(QmlTest, FixtureConnectionMarksPortsCabledTwice)
{
    StandInFixtureConnection left("A", {0u, 1u});
    StandInFixtureConnection right("B", {2u, 3u});
    QObject* connection = create(engine(), control("NoltVNAFixtureConnection"),
                                 {{"fixtureConnection", QVariant::fromValue<QObject*>(&left)},
                                  {"checkedConnections", QVariantList{QVariant::fromValue<QObject*>(&right)}},
                                  {"vnaPortsCount", 4}});
    ASSERT_NE(connection, nullptr);
    show(connection);
    const QList<QQuickItem*> choices = visibleItemsNamed(connection, "vnaPort1");
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0]->property("count").toInt(), 4);
    EXPECT_EQ(choices[0]->property("currentIndex").toInt(), 1);
    EXPECT_FALSE(connection->property("hasError").toBool());

    // Port 2 of A onto analyzer port 3, which B already uses.
    QMetaObject::invokeMethod(choices[0], "activated", Q_ARG(int, 2));
    EXPECT_EQ(left.ports.toVector(), (QVariantList{0u, 2u}));
    EXPECT_TRUE(connection->property("hasError").toBool());

    // Both ports of A onto analyzer port 1.
    QMetaObject::invokeMethod(choices[0], "activated", Q_ARG(int, 0));
    EXPECT_TRUE(connection->property("hasError").toBool());

    QMetaObject::invokeMethod(choices[0], "activated", Q_ARG(int, 1));
    EXPECT_FALSE(connection->property("hasError").toBool());
}

TEST_F(QmlTest, GraphsAreNamedByQuantityFixtureAndPortAndFollowTheirCurves)
{
    StandInCurves left;
    StandInCurves right;
    left.curve = {{0.0, 1.0}, {1e-12, 0.5}};
    QObject* tab = createFromText(R"(
import QtQuick 2.15
import "../controls"
Item {
    property var added: []
    property var ranged: []
    property alias graphs: graphs
    QtObject {
        id: plotter
        function addTrace(trace) { added.push(trace.name) }
        function removeTrace(trace) { }
    }
    QtObject {
        id: scale
        property point minMaxX: Qt.point(0, 1e-12)
        function addDataPtr(name, points) { ranged.push(name); return true }
        function removeData(name) { }
    }
    MeasureGraphInstantiator {
        id: graphs
        plotter: plotter
        scaleManager: scale
        quantity: "L"
        curve: "impulseResponse"
    }
}
)");
    ASSERT_NE(tab, nullptr);
    auto* graphs = qvariant_cast<QObject*>(tab->property("graphs"));
    graphs->setProperty("ports", QVariantList{
        QVariantMap{{"fixtureName", "A"}, {"port", 0}, {"results", QVariant::fromValue<QObject*>(&left)},
                    {"pairedFixtureName", "B"}, {"pairedPort", 1}},
        QVariantMap{{"fixtureName", "B"}, {"port", 1}, {"results", QVariant::fromValue<QObject*>(&right)}}});

    EXPECT_EQ(tab->property("added").toStringList(), (QStringList{"LA1B2", "LB2"}));
    EXPECT_EQ(tab->property("ranged").toStringList(), (QStringList{"LA1B2", "LB2"}));

    QObject* trace = nullptr;
    QMetaObject::invokeMethod(graphs, "objectAt", Q_RETURN_ARG(QObject*, trace), Q_ARG(int, 0));
    auto* first = qobject_cast<StandInTrace*>(trace);
    ASSERT_NE(first, nullptr);
    left.curve.append({2e-12, 0.25});
    emit left.impulseResponseChangedQml();
    EXPECT_EQ(first->fedSizes, (std::vector<int>{2, 3}));
}
