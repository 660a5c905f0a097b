#include "app/formatting/MetricText.h"
#include "app/startup/Localization.h"
#include "charts/traces/Trace.h"
#include "charts/traces/TraceDomain.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/wizard/WizardPageSession.h"

#include <QColor>
#include <QImage>
#include <QTest>

#include <cmath>

namespace {

using MeasureEnums::MeasureStatus;

// The characterization page after a measured 2x-thru, its "Length" chart in view.
class CharacterizationMarkersTest : public WizardPageSession
{
protected:
    void measureThruAndShowCharacterization()
    {
        startOnAnalyzer(2);
        ASSERT_TRUE(waitForAssignedPorts(2));
        thru = qobject_cast<TransmissionStep*>(setup(0)->steps().rows().front().get());
        ASSERT_NE(thru, nullptr);
        ASSERT_TRUE(thru->measureFromVna());
        ASSERT_TRUE(waitFor([this] { return thru->thruMeasured() == MeasureStatus::MEASURED; }, 10000))
            << errors.join("; ").toStdString();
        QQuickItem* page = showPage("FixtureCharacterization");
        ASSERT_NE(page, nullptr);
        lengthChart = findVisible(page, "lengthChart");
        ASSERT_NE(lengthChart, nullptr);
        auto* plotter = lengthChart->property("plotter").value<QObject*>();
        chart = plotter->property("chart").value<QQuickItem*>();
        const QVariantList traces = plotter->property("traces").toList();
        ASSERT_EQ(traces.size(), 1);
        trace = qobject_cast<Trace*>(traces.front().value<QObject*>());
        ASSERT_NE(trace, nullptr);
        const QVariantMap entry = lengthChart->property("ports").toList().front().toMap();
        left = entry.value("results").value<QObject*>();
        ASSERT_NE(left, nullptr);
        ASSERT_TRUE(waitFor([this] { return left->property("impRespLength").isValid(); }));
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

    TransmissionStep* thru = nullptr;
    QQuickItem* lengthChart = nullptr;
    QQuickItem* chart = nullptr;
    Trace* trace = nullptr;
    QObject* left = nullptr;
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
    ASSERT_TRUE(waitFor([&] { return left->property("length").toDouble() != measured; }));
    EXPECT_NEAR(left->property("length").toDouble(), measured + 100e-12, 1e-18);
    EXPECT_TRUE(thru->appliedFixtureOffset());
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

// The Russian texts of impedances end in the ohm sign the units use, not in a Greek letter.
TEST_F(CharacterizationMarkersTest, ImpedancesShowTheOhmSignInRussian)
{
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    measureThruAndShowCharacterization();
    if (HasFatalFailure())
        return;
    const QChar ohm(0x2126);
    const QChar omega(0x03A9);

    QQuickItem* impedanceChart = anyNamed(window->contentItem(), "impedanceChart");
    ASSERT_NE(impedanceChart, nullptr);
    EXPECT_EQ(impedanceChart->property("yAxisTitle").toString(), QString::fromUtf8("Импеданс (") + ohm + ")");

    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    QQuickItem* impedance = nullptr;
    ASSERT_TRUE(waitFor([&] { return (impedance = findVisible(measurePage, "impedanceLine")) != nullptr; }));
    const QString text = impedance->property("text").toString();
    EXPECT_TRUE(text.endsWith(ohm)) << text.toStdString();
    EXPECT_FALSE(text.contains(omega)) << text.toStdString();
}
