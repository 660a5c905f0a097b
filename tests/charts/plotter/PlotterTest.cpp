#include "tests/charts/plotter/PlotterScene.h"

#include <QColor>
#include <QRegularExpression>
#include <QSet>
#include <QMetaObject>
#include <QVector>

#include <algorithm>
#include <limits>

namespace PlotterTest {
namespace {

const char* const darkColours[] = {"#FFFF00", "#00FFFF", "#FF33FF", "#00FF00", "#99CC99", "#FF6633",
                                   "#FF9999", "#CCCCFF", "#CC66CC", "#3366FF", "#FF3333", "#FFCC33",
                                   "#3399FF", "#00FF99", "#FF9900", "#9933FF"};

QVector<QPointF> line(QPointF from, QPointF to)
{
    QVector<QPointF> points;
    for (int k = 0; k <= 10; ++k)
        points.append(from + (to - from) * (k / 10.0));
    return points;
}

// Label centres along one axis, with their texts, in tree order.
struct Label
{
    double centre;
    QString text;
};

QVector<Label> labels(const QList<QQuickItem*>& items, bool vertical)
{
    QVector<Label> result;
    for (QQuickItem* item : items) {
        const double centre = vertical ? item->y() + item->height() / 2 : item->x() + item->width() / 2;
        result.append({centre, item->property("text").toString()});
    }
    return result;
}

} // namespace

TEST_F(PlotterScene, SeventeenTracesTakeTheThemeColoursInTurnAndFollowTheTheme)
{
    QVector<Trace*> traces;
    for (int i = 0; i < 17; ++i)
        traces.append(addTrace(QStringLiteral("S21 A%1").arg(i + 1)));
    settle();

    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(traces[i]->color(), QColor(darkColours[i % 16])) << i;
    EXPECT_EQ(visibleNamed(QStringLiteral("legendEntry")).size(), 17);
    // The first trace is the active one and is drawn above the others.
    EXPECT_EQ(plotter->property("activeTrace").value<QObject*>(), traces[0]);
    EXPECT_EQ(traces[0]->z(), 1.0);
    EXPECT_EQ(traces[16]->z(), 0.0);

    QMetaObject::invokeMethod(root, "setTheme", Q_ARG(QVariant, 1));
    EXPECT_EQ(traces[0]->color(), QColor("#302BFF"));
    EXPECT_EQ(traces[16]->color(), QColor("#302BFF"));
    EXPECT_EQ(traces[15]->color(), QColor("#79CC00"));

    // Removing the active trace moves every colour up one place and the activity to the new first trace.
    call("removeTrace", QVariant::fromValue<QObject*>(traces[0]));
    EXPECT_EQ(traces[1]->color(), QColor("#302BFF"));
    EXPECT_EQ(plotter->property("activeTrace").value<QObject*>(), traces[1]);
    EXPECT_EQ(traces[1]->z(), 1.0);
    QMetaObject::invokeMethod(root, "setTheme", Q_ARG(QVariant, 0));
}

TEST_F(PlotterScene, RangesFollowTheScaleManagerWithOrderedLabels)
{
    Trace* trace = addTrace(QStringLiteral("S11 A1"));
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 0.0}, {10.0, 10.0}));
    settle();

    // The data's y range (0, 10) padded by a fifth is (-2, 12), whose nice labels step by 2.
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 10.0));
    EXPECT_EQ(pointOf("yRawRange"), QPointF(-2.0, 12.0));
    EXPECT_EQ(pointOf("yRange"), QPointF(-2.0, 12.0));
    EXPECT_EQ(trace->domain()->xRange(), QPointF(0.0, 10.0));
    EXPECT_EQ(trace->domain()->yRange(), QPointF(-2.0, 12.0));

    // Y labels 12, 10, ..., -2 from the top, each at its value's height.
    const QVector<Label> y = labels(visibleNamed(QStringLiteral("yLabel")), true);
    ASSERT_EQ(y.size(), 8);
    const double height = trace->domain()->size().height();
    for (int i = 0; i < y.size(); ++i) {
        const double value = 12.0 - 2.0 * i;
        EXPECT_NEAR(y[i].centre, height - trace->domain()->domainToGeometryY(value), 0.5) << i;
        EXPECT_EQ(y[i].text.trimmed(), QString::number(value)) << i;
    }

    // X labels at the grid's lines 0, 1, ..., 9, left to right, apart, each centred at its value.
    const QVector<Label> x = labels(visibleNamed(QStringLiteral("xLabel")), false);
    ASSERT_GE(x.size(), 5);
    for (int i = 0; i < x.size(); ++i) {
        const double value = x[i].text.toDouble();
        EXPECT_NEAR(x[i].centre, trace->domain()->domainToGeometryX(value), 0.5) << i;
        if (i > 0) {
            EXPECT_GT(value, x[i - 1].text.toDouble());
        }
    }

    // The reference marker sits on (5, 5): the middle of the x range, 7 of 14 units up.
    const QList<QQuickItem*> reference = visibleNamed(QStringLiteral("referenceMarker"));
    ASSERT_EQ(reference.size(), 1);
    const QSizeF area = trace->domain()->size();
    EXPECT_NEAR(reference[0]->x() + reference[0]->width() / 2, area.width() / 2, 0.5);
    EXPECT_NEAR(reference[0]->y() + reference[0]->height(), area.height() / 2, 0.5);

    // A constant curve is padded by 0.1 on either side.
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 5.0}, {10.0, 5.0}));
    EXPECT_NEAR(pointOf("yRange").x(), 4.9, 1e-12);
    EXPECT_NEAR(pointOf("yRange").y(), 5.1, 1e-12);
}

// Frequency labels such as "10G" and "12G" read as one when nothing parts them.
TEST_F(PlotterScene, FrequencyLabelsKeepAGapAtEveryWidthAndGrid)
{
    addTrace(QStringLiteral("S11 A1"));
    const double leastGap = 4.0;
    for (const QPointF band : {QPointF(10e6, 20e9), QPointF(10e6, 8.5e9), QPointF(1e9, 26.5e9), QPointF(50e6, 2e9)}) {
        manager.addData(QStringLiteral("S11 A1"), line({band.x(), -40.0}, {band.y(), 0.0}));
        const std::string bandText = ::testing::PrintToString(band);
        for (int width = 200; width <= 640; width += 15) {
            root->setWidth(width);
            settle();
            QList<QQuickItem*> shown = visibleNamed(QStringLiteral("xLabel"));
            std::sort(shown.begin(), shown.end(), [](QQuickItem* a, QQuickItem* b) { return a->x() < b->x(); });
            ASSERT_GE(shown.size(), 2) << bandText << " at " << width;
            for (int i = 1; i < shown.size(); ++i) {
                const double gap = shown[i]->x() - (shown[i - 1]->x() + shown[i - 1]->width());
                EXPECT_GE(gap, leastGap) << bandText << " at " << width << ": "
                                         << shown[i - 1]->property("text").toString().toStdString() << " "
                                         << shown[i]->property("text").toString().toStdString();
            }
        }
    }
}

TEST_F(PlotterScene, NamesOfMarkersAtOnePlaceStayApartAboveThem)
{
    // Both traces' reference markers stand at (5, 5).
    addTrace(QStringLiteral("Z A1"));
    addTrace(QStringLiteral("Z B1"));
    manager.addData(QStringLiteral("Z A1"), line({0.0, 0.0}, {10.0, 10.0}));
    settle();

    const QList<QQuickItem*> pins = visibleNamed(QStringLiteral("referenceMarker"));
    const QList<QQuickItem*> names = visibleNamed(QStringLiteral("markerLabel"));
    ASSERT_EQ(pins.size(), 2);
    ASSERT_EQ(names.size(), 2);
    const auto sceneRect = [](QQuickItem* item) {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    };
    EXPECT_FALSE(sceneRect(names[0]).intersects(sceneRect(names[1])))
        << sceneRect(names[0]).y() << " " << sceneRect(names[1]).y();
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(sceneRect(names[i]).center().x(), sceneRect(pins[i]).center().x(), 0.5) << i;
        EXPECT_LE(sceneRect(names[i]).bottom(), sceneRect(pins[i]).top() + 0.5) << i;
    }
}

// A marker's name stays inside the plot area, clear of the axis labels and the legend, also at either
// end of the range and at its top, while its foot stays under the marker.
TEST_F(PlotterScene, AMarkersNameStaysInsideThePlotAreaAndItsFootUnderTheMarker)
{
    Trace* trace = addTrace(QStringLiteral("Z A1"));
    manager.addData(QStringLiteral("Z A1"), line({0.0, 0.0}, {10.0, 10.0}));
    settle();
    QObject* reference = root->property("reference").value<QObject*>();
    const auto sceneRect = [](QQuickItem* item) {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    };
    // The y range is (-2, 12): 12 is the top edge, 11.5 a name's height below it.
    for (const QPointF place : {QPointF(0, 5), QPointF(5, 5), QPointF(10, 5), QPointF(0, 12), QPointF(10, 11.5)}) {
        reference->setProperty("x", place.x());
        reference->setProperty("y", place.y());
        settle();
        const std::string at = ::testing::PrintToString(place);
        const QList<QQuickItem*> pins = visibleNamed(QStringLiteral("referenceMarker"));
        const QList<QQuickItem*> names = visibleNamed(QStringLiteral("markerLabel"));
        const QList<QQuickItem*> feet = visibleNamed(QStringLiteral("markerFoot"));
        ASSERT_EQ(pins.size(), 1) << at;
        ASSERT_EQ(names.size(), 1) << at;
        ASSERT_EQ(feet.size(), 1) << at;
        const QRectF name = sceneRect(names[0]);
        const QRectF foot = sceneRect(feet[0]);
        // The marker view, which spans the plot area.
        QQuickItem* view = pins[0];
        while (view && QSizeF(view->width(), view->height()) != trace->domain()->size())
            view = view->parentItem();
        ASSERT_NE(view, nullptr);
        const QRectF area = sceneRect(view);
        const double line = area.left() + trace->domain()->domainToGeometryX(place.x());
        EXPECT_NEAR(sceneRect(pins[0]).center().x(), line, 0.5) << at;
        EXPECT_NEAR(foot.center().x(), line, 0.5) << at;
        EXPECT_TRUE(area.contains(name)) << at << ": " << name.top() << " " << name.left();
        EXPECT_FALSE(name.intersects(sceneRect(pins[0]))) << at;
        for (const QString& other : {QStringLiteral("xLabel"), QStringLiteral("yLabel"), QStringLiteral("legendEntry")}) {
            for (QQuickItem* label : visibleNamed(other)) {
                const std::string text = label->property("text").toString().toStdString();
                EXPECT_FALSE(name.intersects(sceneRect(label))) << at << " " << text;
                EXPECT_FALSE(foot.intersects(sceneRect(label))) << at << " " << text;
            }
        }
    }
}

// Zoomed, the way out reads whole, and a name near the top at the right end keeps clear of it.
TEST_F(PlotterScene, NoMarkerNameCoversTheZoomOutButton)
{
    addTrace(QStringLiteral("Z A1"));
    manager.addData(QStringLiteral("Z A1"), line({0.0, 0.0}, {10.0, 10.0}));
    auto* chart = plotter->property("chart").value<QQuickItem*>();
    ASSERT_TRUE(chart);
    // The right half: x (5, 10), y still (-2, 12); the marker's triangle 12 pixels below the top.
    QObject* reference = root->property("reference").value<QObject*>();
    reference->setProperty("x", 10.0);
    reference->setProperty("y", 12.0 - 30.0 * 14.0 / chart->height());
    QMetaObject::invokeMethod(chart, "zoomIn", Q_ARG(QRectF, QRectF(chart->width() / 2, 0, chart->width() / 2,
                                                                     chart->height())));
    settle();
    ASSERT_TRUE(chart->property("isZoomed").toBool());
    const QList<QQuickItem*> buttons = visibleNamed(QStringLiteral("zoomOut"));
    const QList<QQuickItem*> names = visibleNamed(QStringLiteral("markerLabel"));
    ASSERT_EQ(buttons.size(), 1);
    ASSERT_EQ(names.size(), 1);
    // Where the bar stops sliding in: at the plot area's top.
    const QRectF button = buttons[0]->mapRectToItem(chart, QRectF(0, 0, buttons[0]->width(), buttons[0]->height()))
                              .translated(0, -buttons[0]->parentItem()->y() + chart->y());
    const QRectF name = names[0]->mapRectToItem(chart, QRectF(0, 0, names[0]->width(), names[0]->height()));
    EXPECT_FALSE(name.intersects(button)) << name.top() << " " << name.left() << " / " << button.top() << " "
                                          << button.left();
}

TEST_F(PlotterScene, ZoomNarrowsTheRangesUntilItIsReset)
{
    Trace* trace = addTrace(QStringLiteral("S11 A1"));
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 0.0}, {10.0, 10.0}));
    auto* chart = plotter->property("chart").value<QQuickItem*>();
    ASSERT_TRUE(chart);

    // The left half, full height: x (0, 5), y still (-2, 12).
    QMetaObject::invokeMethod(chart, "zoomIn", Q_ARG(QRectF, QRectF(0, 0, chart->width() / 2, chart->height())));
    EXPECT_TRUE(chart->property("isZoomed").toBool());
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 5.0));
    EXPECT_EQ(pointOf("yRange"), QPointF(-2.0, 12.0));

    QMetaObject::invokeMethod(chart, "zoomReset");
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 10.0));
    // The ranges follow the manager again.
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 0.0}, {20.0, 10.0}));
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 20.0));

    // New data while zoomed: zooming out shows the new ranges, on the curve as on the axes,
    // not the window from before the zoom.
    QMetaObject::invokeMethod(chart, "zoomIn", Q_ARG(QRectF, QRectF(0, 0, chart->width() / 2, chart->height())));
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 0.0}, {40.0, 20.0}));
    QMetaObject::invokeMethod(chart, "zoomReset");
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 40.0));
    EXPECT_EQ(trace->domain()->xRange(), pointOf("xRange"));
    EXPECT_EQ(trace->domain()->yRange(), pointOf("yRange"));
}

// A zoom band whose nice labels are those of the range before: the curves and the markers are
// drawn on the labelled range, as the axis and the grid are, not on the band's own range.
TEST_F(PlotterScene, AZoomThatKeepsTheLabelsDrawsEverythingOnTheLabelledRange)
{
    Trace* trace = addTrace(QStringLiteral("S11 A1"));
    manager.addData(QStringLiteral("S11 A1"), line({0.0, 0.0}, {10.0, 10.0}));
    QObject* reference = root->property("reference").value<QObject*>();
    reference->setProperty("y", 10.0);
    auto* chart = plotter->property("chart").value<QQuickItem*>();
    ASSERT_TRUE(chart);
    ASSERT_EQ(pointOf("yRange"), QPointF(-2.0, 12.0));

    // The band spans y (-0.5, 10.5) over the whole width; its labels are again 12, 10, ..., -2.
    const double perUnit = chart->height() / 14.0;
    QMetaObject::invokeMethod(chart, "zoomIn",
                              Q_ARG(QRectF, QRectF(0, 1.5 * perUnit, chart->width(), 11.0 * perUnit)));
    settle();
    ASSERT_TRUE(chart->property("isZoomed").toBool());
    EXPECT_EQ(pointOf("yRange"), QPointF(-2.0, 12.0));
    EXPECT_EQ(trace->domain()->yRange(), pointOf("yRange"));
    EXPECT_EQ(trace->domain()->xRange(), pointOf("xRange"));

    // The reference marker on y = 10 stands at the height of the axis label "10".
    const QList<QQuickItem*> pins = visibleNamed(QStringLiteral("referenceMarker"));
    ASSERT_EQ(pins.size(), 1);
    const QList<QQuickItem*> axisLabels = visibleNamed(QStringLiteral("yLabel"));
    const auto ten = std::find_if(axisLabels.begin(), axisLabels.end(), [](QQuickItem* label) {
        return label->property("text").toString().trimmed() == QStringLiteral("10");
    });
    ASSERT_NE(ten, axisLabels.end());
    const QPointF tip = pins[0]->mapToItem(plotter, QPointF(pins[0]->width() / 2, pins[0]->height()));
    EXPECT_NEAR(tip.y(), (*ten)->mapToItem(plotter, QPointF(0, (*ten)->height() / 2)).y(), 0.5);
}

// Labels such as "0.6" above "500 m" read as one scale only when they share their prefix.
TEST_F(PlotterScene, EachAxisLabelsItsValuesWithOnePrefix)
{
    addTrace(QStringLiteral("L A1"));
    // y (0.1, 0.5) padded to (0.02, 0.58) is labelled 0.6, 0.5, ..., 0; x (0, 1 G) has lines 0, 100 M, ..., 900 M.
    manager.addData(QStringLiteral("L A1"), line({0.0, 0.1}, {1e9, 0.5}));
    settle();
    for (const QString& axis : {QStringLiteral("yLabel"), QStringLiteral("xLabel")}) {
        QSet<QString> prefixes;
        QStringList texts;
        for (QQuickItem* label : visibleNamed(axis)) {
            const QString text = label->property("text").toString();
            texts << text;
            prefixes << QString(text).remove(QRegularExpression(QStringLiteral("[-+0-9.\\s]")));
        }
        ASSERT_GE(texts.size(), 3) << axis.toStdString();
        EXPECT_EQ(prefixes.size(), 1) << texts.join(" | ").toStdString();
    }
}

TEST_F(PlotterScene, LimitsThatTurnTheRangeInsideOutGiveWayToTheData)
{
    Trace* trace = addTrace(QStringLiteral("Z A1"));
    const auto yLabelCount = [&] {
        settle();
        return visibleNamed(QStringLiteral("yLabel")).size();
    };

    // Every y lies above the upper limit: the data's (5, 10), padded to (4, 11), stays in view.
    plotter->setProperty("maxY", 3.0);
    manager.addData(QStringLiteral("Z A1"), line({0.0, 5.0}, {10.0, 10.0}));
    EXPECT_EQ(pointOf("yRange"), QPointF(4.0, 11.0));
    EXPECT_GT(yLabelCount(), 1);

    // A limit inside the data still applies: (6, 10) padded to (5.2, 10.8), labelled (5, 11).
    plotter->setProperty("maxY", QVariant());
    plotter->setProperty("minY", 6.0);
    EXPECT_EQ(pointOf("yRange"), QPointF(5.0, 11.0));
    plotter->setProperty("minY", QVariant());

    // The manager's own cap below every y reports (5, 3): the cap and the lowest value, (2.6, 5.4), labelled (2.5, 5.5).
    manager.setMaximumYLimit(3.0);
    manager.acceptRanges();
    ASSERT_EQ(manager.getMinMaxY(), QPointF(5.0, 3.0));
    EXPECT_EQ(pointOf("yRange"), QPointF(2.5, 5.5));
    EXPECT_GT(yLabelCount(), 1);

    // Ranges that are not numbers show as no data does: x (0, 1), y (0, 1) padded to (-0.2, 1.2).
    const double nan = std::numeric_limits<double>::quiet_NaN();
    manager.setMinMaxX({nan, nan});
    manager.setMinMaxY({nan, nan});
    EXPECT_EQ(pointOf("xRange"), QPointF(0.0, 1.0));
    EXPECT_NEAR(pointOf("yRange").x(), -0.2, 1e-12);
    EXPECT_NEAR(pointOf("yRange").y(), 1.2, 1e-12);
    EXPECT_GT(yLabelCount(), 1);

    // An x range without width gives a marker no place, neither on its one point nor at an edge: it is hidden.
    EXPECT_EQ(visibleNamed(QStringLiteral("referenceMarker")).size(), 1);
    manager.setMinMaxX({5.0, 5.0});
    EXPECT_TRUE(visibleNamed(QStringLiteral("referenceMarker")).isEmpty());
    QObject* reference = root->property("reference").value<QObject*>();
    for (const double x : {3.0, 7.0}) {
        reference->setProperty("x", x);
        EXPECT_TRUE(visibleNamed(QStringLiteral("referenceMarker")).isEmpty()) << x;
    }
    // A range with width places it again, at the edge when it lies outside.
    manager.setMinMaxX({4.0, 6.0});
    const QList<QQuickItem*> shown = visibleNamed(QStringLiteral("referenceMarker"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_NEAR(shown[0]->x() + shown[0]->width() / 2, trace->domain()->size().width(), 0.5);
}

} // namespace PlotterTest
