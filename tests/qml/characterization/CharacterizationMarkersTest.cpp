#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/formatting/MetricText.h"
#include "app/startup/Localization.h"
#include "charts/traces/Trace.h"
#include "charts/traces/TraceDomain.h"
#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/wizard/WizardPageSession.h"

#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using MeasureEnums::MeasureStatus;

// The characterization page after a measured 2x-thru, its "Length" chart in view.
class CharacterizationMarkersTest : public WizardPageSession
{
protected:
    // On a 2-port analyzer, with the given Z0 conversion when one is given.
    void measureThruAndShowCharacterization(std::optional<MeasureEnums::Z0Conversion> conversion = std::nullopt)
    {
        startOnAnalyzer(2);
        ASSERT_TRUE(waitForAssignedPorts(2));
        if (conversion)
            setups()->setZ0ConversionType(*conversion);
        measureThru();
        if (HasFatalFailure())
            return;
        showCharacterization();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(waitFor([this] { return left->property("impRespLength").isValid(); }));
    }

    void measureThru()
    {
        thru = qobject_cast<TransmissionStep*>(setup(0)->steps().rows().front().get());
        ASSERT_NE(thru, nullptr);
        ASSERT_TRUE(thru->measureFromVna());
        ASSERT_TRUE(waitFor([this] { return thru->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
            << errors.join("; ").toStdString();
    }

    void showCharacterization()
    {
        characterization = showPage("FixtureCharacterization");
        ASSERT_NE(characterization, nullptr);
        lengthChart = findVisible(characterization, "lengthChart");
        ASSERT_NE(lengthChart, nullptr);
        plotter = lengthChart->property("plotter").value<QQuickItem*>();
        chart = plotter->property("chart").value<QQuickItem*>();
        findLengthGraph();
    }

    // The graph of the "Length" chart, made anew when a measurement renames its ports.
    void findLengthGraph()
    {
        const QVariantList traces = plotter->property("traces").toList();
        ASSERT_EQ(traces.size(), 1);
        trace = qobject_cast<Trace*>(traces.front().value<QObject*>());
        ASSERT_NE(trace, nullptr);
        const QVariantMap entry = lengthChart->property("ports").toList().front().toMap();
        left = entry.value("results").value<QObject*>();
        ASSERT_NE(left, nullptr);
        right = entry.value("pairedResults").value<QObject*>();
        ASSERT_NE(right, nullptr);
    }

    QObject* marker(const char* which) const
    {
        return trace->property("markerSet").value<QObject*>()->property(which).value<QObject*>();
    }

    // The window's x of a time on the chart.
    double sceneX(double time) const
    {
        return chart->mapToScene(QPointF(trace->domain()->domainToGeometryX(time), 0)).x();
    }

    void click(QQuickItem* target)
    {
        ASSERT_NE(target, nullptr);
        const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    void drag(QPointF from, double by)
    {
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, from.toPoint());
        for (int step = 1; step <= 8; ++step)
            QTest::mouseMove(window.get(), (from + QPointF(by * step / 8, 0)).toPoint());
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, (from + QPointF(by, 0)).toPoint());
    }

    // Shown or not, below root in the item tree.
    static QQuickItem* anyNamed(QQuickItem* root, const QString& name)
    {
        if (root->objectName() == name)
            return root;
        for (QQuickItem* child : root->childItems()) {
            if (QQuickItem* found = anyNamed(child, name))
                return found;
        }
        return nullptr;
    }

    static double centreX(QQuickItem* item)
    {
        return item->mapToScene(QPointF(item->width() / 2, 0)).x();
    }

    QString shown(const QString& name) const
    {
        QQuickItem* item = findVisible(lengthChart, name);
        return item ? item->property("text").toString() : QString();
    }

    static QString valueText(double value, const QString& unit)
    {
        return toNormalized(value, 2) + unit;
    }

    // The middle of the columns drawn in the trace's colour on a row of a fresh grab, near `around`.
    double drawnColumn(double around, double sceneY) const
    {
        const QImage image = window->grabWindow();
        const QColor colour = trace->color();
        const auto near = [&colour](QRgb pixel) {
            return std::abs(qRed(pixel) - colour.red()) < 48 && std::abs(qGreen(pixel) - colour.green()) < 48
                   && std::abs(qBlue(pixel) - colour.blue()) < 48;
        };
        int first = -1;
        int last = -1;
        for (int x = int(around) - 15; x <= int(around) + 15; ++x) {
            if (near(image.pixel(x, int(sceneY)))) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return first < 0 ? std::nan("") : (first + last + 1) / 2.0;
    }

    // Pixels of about the trace's colour inside the chart's plot area, on a fresh grab.
    int tracePixels() const
    {
        const QImage image = window->grabWindow();
        const QRect area = chart->mapRectToScene(QRectF(0, 0, chart->width(), chart->height())).toRect() & image.rect();
        const QColor colour = trace->color();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                count += std::abs(qRed(pixel) - colour.red()) < 48 && std::abs(qGreen(pixel) - colour.green()) < 48
                                 && std::abs(qBlue(pixel) - colour.blue()) < 48
                             ? 1
                             : 0;
            }
        }
        return count;
    }

    // The texts of the x-axis labels shown, left to right, once at least `atLeast` show.
    static QStringList xLabelsOnceShown(QQuickItem* tab, int atLeast)
    {
        waitFor([&] { return visibleItemsNamed(tab, QStringLiteral("xLabel")).size() >= atLeast; });
        return xLabelsShown(tab);
    }

    // The texts of the x-axis labels shown, left to right.
    static QStringList xLabelsShown(QQuickItem* tab)
    {
        QList<QQuickItem*> labels = visibleItemsNamed(tab, QStringLiteral("xLabel"));
        std::sort(labels.begin(), labels.end(), [](QQuickItem* a, QQuickItem* b) { return a->x() < b->x(); });
        QStringList texts;
        for (QQuickItem* label : labels)
            texts << label->property("text").toString();
        return texts;
    }

    // The S-parameter tab with the user markers of its four charts shown.
    void showUserMarkersOnTheSParameterTab()
    {
        findVisible(characterization, "chartTabs")->setProperty("currentIndex", 3);
        QList<QQuickItem*> switches;
        ASSERT_TRUE(waitFor([&] {
            return (switches = visibleItemsNamed(characterization, "showUserMarkers")).size() == 4;
        }));
        for (QQuickItem* toggle : switches)
            click(toggle);
    }

    QPointF xRangeOf(QQuickItem* tab) const
    {
        return tab->property("plotter").value<QObject*>()->property("xRange").toPointF();
    }

    TransmissionStep* thru = nullptr;
    QQuickItem* characterization = nullptr;
    QQuickItem* lengthChart = nullptr;
    QQuickItem* plotter = nullptr;
    QQuickItem* chart = nullptr;
    Trace* trace = nullptr;
    QObject* left = nullptr;
    QObject* right = nullptr;
};

} // namespace

TEST_F(CharacterizationMarkersTest, ReferenceMarkerStandsAtTheLengthAndTheUserMarkerFollowsItsDrag)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    const double length = left->property("impRespLength").toDouble();

    // The reference marker is drawn above the curve at the thru's length: its triangle, pointing down
    // onto the curve, is centred there.
    const double atLength = sceneX(length);
    const double onCurve = chart->mapToScene(QPointF(0, chart->height() - trace->domain()->domainToGeometryY(
                                                               trace->domainY(length))))
                               .y();
    EXPECT_NEAR(drawnColumn(atLength, onCurve - 8), atLength, 1.0);
    QQuickItem* reference = findVisible(lengthChart, "referenceMarker");
    ASSERT_NE(reference, nullptr);
    EXPECT_NEAR(centreX(reference), atLength, 1.0);
    EXPECT_NEAR(reference->mapToScene(QPointF(0, reference->height())).y(), onCurve, 1.0);
    EXPECT_EQ(shown("referenceValue"), "LA1B2: " + valueText(length, "s"));

    // Zoomed in around the length and out again, the marker keeps to it.
    const double inChart = chart->mapFromScene(QPointF(atLength, 0)).x();
    QMetaObject::invokeMethod(chart, "zoomIn", Q_ARG(QRectF, QRectF(inChart - 100, 0, 150, chart->height())));
    ASSERT_TRUE(chart->property("isZoomed").toBool());
    EXPECT_GT(std::abs(sceneX(length) - atLength), 20.0);
    EXPECT_NEAR(centreX(reference), sceneX(length), 1.0);
    QMetaObject::invokeMethod(chart, "zoomReset");
    EXPECT_NEAR(centreX(reference), atLength, 1.0);

    // The user marker shows with the switch, listed with its time and magnitude.
    EXPECT_EQ(findVisible(lengthChart, "userMarker"), nullptr);
    click(findVisible(lengthChart, "showUserMarkers"));
    QQuickItem* user = nullptr;
    ASSERT_TRUE(waitFor([&] { return (user = findVisible(lengthChart, "userMarker")) != nullptr; }));
    QObject* userMarker = marker("userMarker");
    const QString before = shown("userMarkerValue");
    EXPECT_EQ(before, "LA1B2: " + valueText(userMarker->property("x").toDouble(), "s") + ", "
                          + valueText(trace->domainY(userMarker->property("x").toDouble()), ""));

    // Dragged 80 pixels to the right, it stands there on the curve, and its listed values follow.
    const double from = centreX(user);
    drag(user->mapToScene(QPointF(user->width() / 2, user->height() / 2)), 80);
    const double x = userMarker->property("x").toDouble();
    EXPECT_NEAR(sceneX(x), from + 80, 1.0);
    EXPECT_NEAR(centreX(user), from + 80, 1.0);
    EXPECT_DOUBLE_EQ(userMarker->property("y").toDouble(), trace->domainY(x));
    EXPECT_NE(shown("userMarkerValue"), before);
    EXPECT_EQ(shown("userMarkerValue"), "LA1B2: " + valueText(x, "s") + ", " + valueText(trace->domainY(x), ""));
    // The reference marker stays at the length.
    EXPECT_NEAR(centreX(reference), atLength, 1.0);

    // Switched off and on again, it keeps its place.
    click(findVisible(lengthChart, "showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return findVisible(lengthChart, "userMarker") == nullptr; }));
    EXPECT_TRUE(shown("userMarkerValue").isEmpty());
    click(findVisible(lengthChart, "showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return (user = findVisible(lengthChart, "userMarker")) != nullptr; }));
    EXPECT_EQ(userMarker->property("x").toDouble(), x);
}

// Beside the thru's peak the user marker stands lower on the curve than the reference marker: its name,
// lifted clear of the reference's name, may reach into the reference triangle. Neither name covers the
// other marker's triangle, wherever the user marker stands near the peak.
TEST_F(CharacterizationMarkersTest, MarkerNamesBesideTheReferenceMarkerLeaveEveryTriangleUncovered)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    click(findVisible(lengthChart, "showUserMarkers"));
    QQuickItem* user = nullptr;
    ASSERT_TRUE(waitFor([&] { return (user = findVisible(lengthChart, "userMarker")) != nullptr; }));
    QQuickItem* reference = findVisible(lengthChart, "referenceMarker");
    ASSERT_NE(reference, nullptr);
    const auto sceneRect = [](QQuickItem* item) {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    };
    const auto nameOf = [](QQuickItem* pin) { return findVisible(pin, "markerLabel"); };
    ASSERT_NE(nameOf(user), nullptr);
    ASSERT_NE(nameOf(reference), nullptr);

    const double atLength = sceneX(left->property("impRespLength").toDouble());
    for (int apart = -24; apart <= 24; apart += 3) {
        const double place = atLength + apart;
        marker("userMarker")->setProperty(
            "x", trace->domain()->geometryToDomainX(chart->mapFromScene(QPointF(place, 0)).x()));
        ASSERT_TRUE(waitFor([&] { return std::abs(centreX(user) - place) <= 1.0; })) << apart;
        // The names are laid out once the pins have moved.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_FALSE(sceneRect(nameOf(user)).intersects(sceneRect(reference))) << apart;
        EXPECT_FALSE(sceneRect(nameOf(reference)).intersects(sceneRect(user))) << apart;
    }
}

// On the narrow S-parameter charts a user marker's place takes more than one line of the marker panel.
TEST_F(CharacterizationMarkersTest, SParameterUserMarkerPlacesReadWhole)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    showUserMarkersOnTheSParameterTab();
    if (HasFatalFailure())
        return;
    QList<QQuickItem*> places;
    ASSERT_TRUE(waitFor([&] {
        return (places = visibleItemsNamed(characterization, "userMarkerValue")).size() >= 4;
    }));
    for (QQuickItem* place : places) {
        const QString text = place->property("text").toString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("dB"))) << text.toStdString();
        // Whole and inside the window once the layouts have settled.
        const auto right = [&] { return place->mapToScene(QPointF(place->width(), 0)).x(); };
        EXPECT_TRUE(waitFor([&] { return !place->property("truncated").toBool() && right() <= window->width(); }))
            << text.toStdString() << ": " << place->width() << " wide, right edge at " << right();
    }
}

// In the smallest window the S-parameter plots are a few names high: the names of markers at one place
// stack inside their plot, never over the legend above it.
TEST_F(CharacterizationMarkersTest, SParameterMarkerNamesStayInsideTheirPlotsInTheSmallestWindow)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    window->resize(728, 676);
    characterization->setSize(window->size());
    showUserMarkersOnTheSParameterTab();
    if (HasFatalFailure())
        return;
    // One user marker per graph, all in the middle of the band.
    ASSERT_TRUE(waitFor([&] {
        const int graphs = visibleItemsNamed(characterization, "legendEntry").size();
        return graphs >= 4 && visibleItemsNamed(characterization, "userMarker").size() == graphs;
    }));

    const auto sceneRect = [](QQuickItem* item) {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    };
    // Each name lies inside the plot area of its own chart and clear of every legend entry.
    const auto misplaced = [&] {
        QStringList wrong;
        const QList<QQuickItem*> legend = visibleItemsNamed(characterization, "legendEntry");
        for (QQuickItem* pin : visibleItemsNamed(characterization, "userMarker")) {
            QQuickItem* name = findVisible(pin, "markerLabel");
            QQuickItem* plot = pin->parentItem();
            if (!name || !plot)
                return QStringList{QStringLiteral("a marker without its name")};
            const QRectF named = sceneRect(name);
            const bool overLegend = std::any_of(legend.begin(), legend.end(), [&](QQuickItem* entry) {
                return named.intersects(sceneRect(entry));
            });
            if (!sceneRect(plot).adjusted(-0.5, -0.5, 0.5, 0.5).contains(named) || overLegend)
                wrong << QStringLiteral("%1 at (%2, %3)").arg(name->property("text").toString()).arg(named.x()).arg(named.y());
        }
        return wrong;
    };
    EXPECT_TRUE(waitFor([&] { return misplaced().isEmpty(); })) << misplaced().join(", ").toStdString();
}

// A 2x-thru of two 2-port fixtures on a 4-port analyzer, in either language: four graphs on each
// S-parameter chart, their marker places two lines each. In the smallest window the lines outrun their
// chart's height.
class MarkerPanelsTest : public CharacterizationMarkersTest, public ::testing::WithParamInterface<bool>
{
protected:
    void measureOnFourPortsAndShowCharacterization()
    {
        ASSERT_TRUE(language.parse({QStringLiteral("nolt"), GetParam() ? QStringLiteral("-r") : QStringLiteral("-e")}));
        language.install();
        startOnAnalyzer(4);
        for (VNAFixtureConnection* side : {setup(0)->leftFixtureConn(), setup(0)->rightFixtureConn()})
            side->fixture()->setPortsCount(2);
        // The simulator joins analyzer ports 1 and 2, and 3 and 4, through a 2x-thru.
        ASSERT_TRUE(setup(0)->leftFixtureConn()->setAttachedVnaPort(1, 2));
        ASSERT_TRUE(setup(0)->rightFixtureConn()->setAttachedVnaPort(1, 3));
        measureThru();
        if (HasFatalFailure())
            return;
        characterization = showPage("FixtureCharacterization");
        ASSERT_NE(characterization, nullptr);
    }

    static QRectF sceneRect(QQuickItem* item) { return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())); }

    // What shows of an item: its place cut by every clipping item above it.
    static QRectF shownPart(QQuickItem* item)
    {
        QRectF part = sceneRect(item);
        for (QQuickItem* above = item->parentItem(); above; above = above->parentItem()) {
            if (above->clip())
                part &= sceneRect(above);
        }
        return part;
    }

    // The visible items of a class below root, leaving out the subtree of `except`.
    static void collect(QQuickItem* root, const char* className, QQuickItem* except, QList<QQuickItem*>& found)
    {
        if (root == except || !root->isVisible())
            return;
        if (root->inherits(className))
            found.append(root);
        for (QQuickItem* child : root->childItems())
            collect(child, className, except, found);
    }

    // The S-parameter charts shown, each known by its user-marker switch.
    QList<QQuickItem*> charts() const
    {
        QList<QQuickItem*> found;
        for (QQuickItem* toggle : visibleItemsNamed(characterization, "showUserMarkers")) {
            QQuickItem* chart = toggle;
            while (chart && !chart->property("plotter").isValid())
                chart = chart->parentItem();
            if (chart)
                found.append(chart);
        }
        return found;
    }

    // The texts of a chart's marker panel: all its texts but the plotter's.
    static QList<QQuickItem*> panelTexts(QQuickItem* chart)
    {
        QList<QQuickItem*> texts;
        collect(chart, "QQuickText", chart->property("plotter").value<QQuickItem*>(), texts);
        return texts;
    }

    static QList<QQuickItem*> bars(QQuickItem* chart)
    {
        QList<QQuickItem*> found;
        collect(chart, "QQuickScrollBar", nullptr, found);
        return found;
    }

    // Layouts round their items' sizes: a fraction of a pixel beyond the clip hides nothing.
    static bool cut(QQuickItem* text)
    {
        const QRectF shown = shownPart(text);
        const QRectF whole = sceneRect(text);
        return shown.width() < whole.width() - 0.5 || shown.height() < whole.height() - 0.5;
    }

    // Panel texts that show outside their chart, over another chart or over a graph's name above a plot.
    QStringList strays() const
    {
        QStringList wrong;
        const QList<QQuickItem*> all = charts();
        const QList<QQuickItem*> legend = visibleItemsNamed(characterization, "legendEntry");
        for (QQuickItem* chart : all) {
            const QRectF own = sceneRect(chart).adjusted(-0.5, -0.5, 0.5, 0.5);
            for (QQuickItem* text : panelTexts(chart)) {
                const QRectF shown = shownPart(text);
                if (shown.isEmpty())
                    continue;
                const bool overOther = std::any_of(all.begin(), all.end(), [&](QQuickItem* other) {
                    return other != chart && shown.intersects(sceneRect(other));
                });
                const bool overName = std::any_of(legend.begin(), legend.end(), [&](QQuickItem* entry) {
                    return shown.intersects(sceneRect(entry));
                });
                if (!own.contains(shown) || overOther || overName)
                    wrong << QStringLiteral("\"%1\" at (%2, %3) to (%4, %5)")
                                 .arg(text->property("text").toString())
                                 .arg(shown.left()).arg(shown.top()).arg(shown.right()).arg(shown.bottom());
            }
        }
        return wrong;
    }

    Startup::Localization language;
};

INSTANTIATE_TEST_SUITE_P(EnglishAndRussian, MarkerPanelsTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Russian" : "English"; });

TEST_P(MarkerPanelsTest, KeepToTheirSParameterChartsAndScrollToTheLinesThatDoNotFit)
{
    measureOnFourPortsAndShowCharacterization();
    if (HasFatalFailure())
        return;
    findVisible(characterization, "chartTabs")->setProperty("currentIndex", 3);
    QList<QQuickItem*> switches;
    ASSERT_TRUE(waitFor([&] { return (switches = visibleItemsNamed(characterization, "showUserMarkers")).size() == 4; }));
    for (QQuickItem* toggle : switches)
        click(toggle);
    ASSERT_TRUE(waitFor([&] {
        return visibleItemsNamed(characterization, "userMarkerValue").size() == 16
               && visibleItemsNamed(characterization, "userMarker").size() == 16;
    }));

    // In the larger window every line fits: nothing is cut and no bar shows.
    const auto anyCut = [&] {
        for (QQuickItem* chart : charts()) {
            const QList<QQuickItem*> texts = panelTexts(chart);
            if (std::any_of(texts.begin(), texts.end(), cut))
                return true;
        }
        return false;
    };
    const auto anyBar = [&] {
        for (QQuickItem* chart : charts()) {
            if (!bars(chart).isEmpty())
                return true;
        }
        return false;
    };
    EXPECT_TRUE(waitFor([&] { return !anyCut() && !anyBar() && strays().isEmpty(); })) << strays().join(", ").toStdString();

    // The program's smallest window, 728 x 676 pixels on a 100-dpi display, is 700 x 650 at the
    // program's scale; its footer, 48 high, leaves the page the rest.
    window->resize(700, 602);
    characterization->setSize(window->size());
    EXPECT_TRUE(waitFor([&] { return strays().isEmpty() && anyCut(); })) << strays().join(", ").toStdString();
    ASSERT_TRUE(anyCut()) << "every marker line fits: nothing to scroll to";

    for (QQuickItem* chart : charts()) {
        const QList<QQuickItem*> texts = panelTexts(chart);
        if (std::none_of(texts.begin(), texts.end(), cut))
            continue;
        // Lines are hidden: a bar says so, in a strip of its own beside the lines.
        const QList<QQuickItem*> shownBars = bars(chart);
        ASSERT_EQ(shownBars.size(), 1);
        QQuickItem* bar = shownBars.front();
        EXPECT_LT(bar->property("size").toReal(), 1.0);
        EXPECT_TRUE(sceneRect(chart).adjusted(-0.5, -0.5, 0.5, 0.5).contains(sceneRect(bar)));
        for (QQuickItem* text : texts)
            EXPECT_FALSE(shownPart(text).intersects(sceneRect(bar))) << text->property("text").toString().toStdString();

        // Scrolled to the end, the last marker place reads whole, still inside its chart.
        const QList<QQuickItem*> places = visibleItemsNamed(chart, "userMarkerValue");
        ASSERT_FALSE(places.isEmpty());
        QQuickItem* last = places.back();
        bar->setProperty("position", 1.0 - bar->property("size").toReal());
        EXPECT_TRUE(waitFor([&] { return !cut(last); })) << last->property("text").toString().toStdString();
    }
    EXPECT_TRUE(strays().isEmpty()) << strays().join(", ").toStdString();
}

// The way back to the default offset is one line: its panel makes room for it inside the chart.
TEST_P(MarkerPanelsTest, MakeRoomForTheWayBackToTheDefaultOffset)
{
    measureOnFourPortsAndShowCharacterization();
    if (HasFatalFailure())
        return;
    thru->applyThruOffset(true);
    QQuickItem* lengthTab = findVisible(characterization, "lengthChart");
    ASSERT_NE(lengthTab, nullptr);
    QQuickItem* button = nullptr;
    ASSERT_TRUE(waitFor([&] { return (button = findVisible(lengthTab, "setDefaultOffset")) != nullptr; }));
    for (const QSize size : {QSize(1000, 800), QSize(700, 602)}) {
        window->resize(size);
        characterization->setSize(window->size());
        const auto inside = [&] {
            return !cut(button) && sceneRect(lengthTab).adjusted(-0.5, -0.5, 0.5, 0.5).contains(sceneRect(button));
        };
        EXPECT_TRUE(waitFor(inside)) << size.width() << " wide: " << sceneRect(button).left() << " to "
                                     << shownPart(button).right() << " of " << sceneRect(button).right()
                                     << ", the chart ends at " << sceneRect(lengthTab).right();
    }
}

TEST_F(CharacterizationMarkersTest, MovingReferenceMarkerShowsTheAppliedOffsetUntilTheDefaultIsSet)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    const double length = left->property("impRespLength").toDouble();
    const double measured = left->property("length").toDouble();
    EXPECT_EQ(findVisible(lengthChart, "movingReferenceLine"), nullptr);
    EXPECT_EQ(findVisible(lengthChart, "setDefaultOffset"), nullptr);

    // 100 ps on the left half moves the thru's calibration plane by as much along its response.
    thru->setLeftOffset(100.0);
    thru->applyThruOffset(true);
    // The new length and the applied flag reach this thread separately.
    ASSERT_TRUE(waitFor(
        [&] { return left->property("length").toDouble() != measured && thru->appliedFixtureOffset(); }));
    EXPECT_NEAR(left->property("length").toDouble(), measured + 100e-12, 1e-18);
    QQuickItem* line = nullptr;
    ASSERT_TRUE(waitFor([&] { return (line = findVisible(lengthChart, "movingReferenceLine")) != nullptr; }));
    const double moved = sceneX(length + 100e-12);
    EXPECT_NEAR(centreX(line), moved, 1.0);
    const double top = chart->mapToScene(QPointF(0, 0)).y();
    EXPECT_NEAR(drawnColumn(moved, top + 4), moved, 1.0);
    EXPECT_EQ(shown("movingReferenceValue"), "LA1B2: " + valueText(length + 100e-12, "s"));

    // "Set default offset": the step's offset is 0 again and the plane back at the measured length.
    click(findVisible(lengthChart, "setDefaultOffset"));
    ASSERT_TRUE(waitFor([&] { return left->property("length").toDouble() == measured; }));
    EXPECT_EQ(thru->leftOffset(), 0.0);
    EXPECT_EQ(thru->rightOffset(), 0.0);
    EXPECT_TRUE(thru->appliedFixtureOffset());
    EXPECT_TRUE(waitFor([&] { return std::abs(centreX(line) - sceneX(length)) <= 1.0; })) << centreX(line);
    EXPECT_EQ(shown("movingReferenceValue"), "LA1B2: " + valueText(length, "s"));

    // Without an applied offset neither the marker nor the way back shows.
    thru->applyThruOffset(false);
    EXPECT_TRUE(waitFor([&] { return findVisible(lengthChart, "movingReferenceLine") == nullptr; }));
    EXPECT_EQ(findVisible(lengthChart, "setDefaultOffset"), nullptr);
    EXPECT_TRUE(shown("movingReferenceValue").isEmpty());
}

TEST_F(CharacterizationMarkersTest, DraggingTheMovingReferenceMarkerSetsTheOffsetsAsTypingThemDoes)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    // The measurement page's offset fields, out of view behind the charts.
    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    measurePage->setVisible(false);
    QQuickItem* leftField = anyNamed(measurePage, "leftOffset");
    QQuickItem* rightField = anyNamed(measurePage, "rightOffset");
    ASSERT_NE(leftField, nullptr);
    ASSERT_NE(rightField, nullptr);
    const auto lengths = [&] { return QPointF(left->property("length").toDouble(), right->property("length").toDouble()); };
    const QPointF measured = lengths();

    thru->applyThruOffset(true);
    QQuickItem* line = nullptr;
    ASSERT_TRUE(waitFor([&] { return (line = findVisible(lengthChart, "movingReferenceLine")) != nullptr; }));
    const double from = marker("movingReferenceMarker")->property("x").toDouble();

    // Dragged 60 pixels to the right, low on the line, clear of the reference marker on the peak.
    const QPoint press = line->mapToScene(QPointF(line->width() / 2, line->height() * 0.9)).toPoint();
    drag(press, 60);
    const double to = trace->domain()->geometryToDomainX(chart->mapFromScene(QPointF(press.x() + 60, 0)).x());
    // The thru's response runs through both halves: each takes half the shift, in picoseconds to the
    // fields' two decimals.
    const double half = std::round((to - from) / 2 * 1e12 * 100) / 100;
    ASSERT_GT(half, 1.0);
    ASSERT_TRUE(waitFor([&] { return lengths().x() != measured.x() && lengths().y() != measured.y(); }));
    EXPECT_NEAR(thru->leftOffset(), half, 0.011);
    EXPECT_EQ(thru->rightOffset(), thru->leftOffset());
    const QPointF dragged = lengths();
    EXPECT_NEAR(dragged.x(), measured.x() + thru->leftOffset() * 1e-12, 1e-18);
    EXPECT_NEAR(dragged.y(), measured.y() + thru->rightOffset() * 1e-12, 1e-18);
    EXPECT_TRUE(waitFor([&] { return std::abs(centreX(line) - (press.x() + 60)) <= 1.5; })) << centreX(line);
    // The fields follow the step.
    const QString leftText = leftField->property("text").toString();
    const QString rightText = rightField->property("text").toString();
    EXPECT_DOUBLE_EQ(leftText.toDouble(), thru->leftOffset());
    EXPECT_DOUBLE_EQ(rightText.toDouble(), thru->rightOffset());

    // Back at the default, the same offsets typed into the fields give the same lengths.
    click(findVisible(lengthChart, "setDefaultOffset"));
    ASSERT_TRUE(waitFor([&] { return lengths() == measured; }));
    typeAndFinish(leftField, leftText);
    typeAndFinish(rightField, rightText);
    EXPECT_TRUE(waitFor([&] { return lengths() == dragged; }));
}

TEST_F(CharacterizationMarkersTest, MarkerListsNameOnlyShownGraphsAndPlacedMarkers)
{
    // No conversion: the impedances have no reference length, so their moving markers no place.
    measureThruAndShowCharacterization(MeasureEnums::Z0Conversion::None);
    if (HasFatalFailure())
        return;
    thru->applyThruOffset(true);
    ASSERT_TRUE(waitFor([&] { return findVisible(lengthChart, "movingReferenceValue") != nullptr; }));
    click(findVisible(lengthChart, "showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return findVisible(lengthChart, "userMarkerValue") != nullptr; }));
    EXPECT_NE(findVisible(lengthChart, "referenceValue"), nullptr);

    findVisible(characterization, "chartTabs")->setProperty("currentIndex", 2);
    QQuickItem* impedanceChart = nullptr;
    ASSERT_TRUE(waitFor([&] { return (impedanceChart = findVisible(characterization, "impedanceChart")) != nullptr; }));
    EXPECT_EQ(findVisible(impedanceChart, "movingReferenceValue"), nullptr);
    EXPECT_EQ(findVisible(impedanceChart, "setDefaultOffset"), nullptr);

    // A graph hidden from the legend leaves every list.
    findVisible(characterization, "chartTabs")->setProperty("currentIndex", 0);
    ASSERT_TRUE(waitFor([&] { return findVisible(characterization, "lengthChart") != nullptr; }));
    trace->setVisible(false);
    for (const char* list : {"referenceValue", "movingReferenceValue", "userMarkerValue"})
        EXPECT_TRUE(waitFor([&] { return findVisible(lengthChart, list) == nullptr; })) << list;
}

TEST_F(CharacterizationMarkersTest, DeletedDataLeavesNoCurveNoMarkersAndLabelledAxes)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    click(findVisible(lengthChart, "showUserMarkers"));
    ASSERT_TRUE(waitFor([&] { return findVisible(lengthChart, "userMarker") != nullptr; }));
    ASSERT_TRUE(waitFor([&] { return tracePixels() > 100; })) << tracePixels();
    QQuickItem* impedanceChart = anyNamed(characterization, "impedanceChart");
    ASSERT_NE(impedanceChart, nullptr);
    ASSERT_NE(xRangeOf(impedanceChart), QPointF(0.0, 1.0));

    thru->deleteData();
    // Neither the curve nor a marker stays drawn in the plot area.
    EXPECT_TRUE(waitFor([&] { return tracePixels() == 0; })) << tracePixels();
    EXPECT_EQ(findVisible(lengthChart, "referenceMarker"), nullptr);
    EXPECT_EQ(findVisible(lengthChart, "userMarker"), nullptr);
    EXPECT_EQ(shown("referenceValue"), trace->name() + ": ---");
    EXPECT_EQ(shown("userMarkerValue"), trace->name() + ": ---");

    // The axes of every chart of the step show the ranges of no data, (0, 1) in time, labelled.
    EXPECT_EQ(xRangeOf(lengthChart), QPointF(0.0, 1.0));
    EXPECT_EQ(xRangeOf(impedanceChart), QPointF(0.0, 1.0));
    EXPECT_GE(xLabelsOnceShown(lengthChart, 3).size(), 3);
    EXPECT_GE(visibleItemsNamed(lengthChart, QStringLiteral("yLabel")).size(), 3);
}

TEST_F(CharacterizationMarkersTest, UserMarkersWaitForDataAndTakeTheMiddleOfTheirOwnTrace)
{
    startOnAnalyzer(2);
    ASSERT_TRUE(waitForAssignedPorts(2));
    showCharacterization();
    if (HasFatalFailure())
        return;

    // Shown before anything is measured: no pin, and the list says so.
    click(findVisible(lengthChart, "showUserMarkers"));
    QQuickItem* listed = nullptr;
    ASSERT_TRUE(waitFor([&] { return (listed = findVisible(lengthChart, "userMarkerValue")) != nullptr; }));
    EXPECT_EQ(listed->property("text").toString(), trace->name() + ": ---");
    EXPECT_EQ(findVisible(lengthChart, "userMarker"), nullptr);

    measureThru();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(waitFor([&] { return findVisible(lengthChart, "userMarker") != nullptr; }));
    findLengthGraph();
    const QPointF points = trace->pointsXRange();
    EXPECT_DOUBLE_EQ(marker("userMarker")->property("x").toDouble(), (points.x() + points.y()) / 2);
}

TEST_F(CharacterizationMarkersTest, AReMeasurementOnAnotherGridKeepsTheTimeAxisLabelled)
{
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    const QStringList before = xLabelsOnceShown(lengthChart, 3);
    ASSERT_GE(before.size(), 3);

    // Measured again on a band-pass grid (its first point is not its step) while the user is elsewhere.
    characterization->setVisible(false);
    const QPointF lowPassRange = xRangeOf(lengthChart);
    const int revision = trace->property("dataRevision").toInt();
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.channel(1).startFrequency = 100e6;
        model.channel(1).stopFrequency = 50e6 * 200;
        model.channel(1).points = 199;
    });
    backend->getVnaDevice()->callAndWait(&SyncedVnaDevice::refresh);
    simulator.clearLog();
    ASSERT_TRUE(thru->measureFromVna());
    ASSERT_TRUE(waitFor([&] { return trace->property("dataRevision").toInt() > revision
                                      && trace->property("hasData").toBool() && measurementRestored(); }, 10000))
        << errors.join("; ").toStdString();
    ASSERT_NE(xRangeOf(lengthChart), lowPassRange);
    // The axis relabelled while hidden: back in view, its labels are there at once.
    QCoreApplication::processEvents();
    characterization->setVisible(true);
    const QStringList after = xLabelsShown(lengthChart);
    EXPECT_GE(after.size(), 3) << after.join(", ").toStdString();
    EXPECT_NE(after, before);
}

// A Russian run writes Russian units and prefixes in the panes, the markers and the charts alike.
TEST_F(CharacterizationMarkersTest, ARussianRunShowsRussianUnitsEverywhere)
{
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    const double length = left->property("impRespLength").toDouble();
    const QRegularExpression russianTime(QStringLiteral(" [пн]с$"));
    EXPECT_TRUE(valueText(length, QStringLiteral("с")).contains(russianTime)) << valueText(length, "с").toStdString();
    EXPECT_EQ(shown("referenceValue"), "LA1B2: " + valueText(length, QStringLiteral("с")));

    QQuickItem* impedanceChart = anyNamed(window->contentItem(), "impedanceChart");
    ASSERT_NE(impedanceChart, nullptr);
    EXPECT_EQ(impedanceChart->property("yAxisTitle").toString(), QStringLiteral("Импеданс (Ом)"));
    EXPECT_EQ(impedanceChart->property("xAxisTitle").toString(), QStringLiteral("Время (с)"));

    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    QQuickItem* impedance = nullptr;
    ASSERT_TRUE(waitFor([&] { return (impedance = findVisible(measurePage, "impedanceLine")) != nullptr; }));
    EXPECT_TRUE(impedance->property("text").toString().endsWith(QStringLiteral(" Ом")))
        << impedance->property("text").toString().toStdString();
    QQuickItem* lengthLine = findVisible(measurePage, "lengthLine");
    ASSERT_NE(lengthLine, nullptr);
    EXPECT_TRUE(lengthLine->property("text").toString().contains(russianTime))
        << lengthLine->property("text").toString().toStdString();

    // Zoomed, the way out reads whole.
    measurePage->setVisible(false);
    QMetaObject::invokeMethod(chart, "zoomIn", Q_ARG(QRectF, QRectF(0, 0, chart->width() / 2, chart->height())));
    QQuickItem* zoomOut = nullptr;
    ASSERT_TRUE(waitFor([&] { return (zoomOut = findVisible(lengthChart, "zoomOut")) != nullptr; }));
    const qreal needed = zoomOut->property("implicitContentWidth").toReal() + zoomOut->property("leftPadding").toReal()
                         + zoomOut->property("rightPadding").toReal();
    EXPECT_LE(needed, zoomOut->width() + 0.5) << zoomOut->property("text").toString().toStdString();
}
