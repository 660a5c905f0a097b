#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/walk/WalkSession.h"
#include "tests/support/InRussian.h"

#include <QAbstractItemModel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

using MeasureEnums::MeasureStatus;

class WizardWalkTest : public WalkSession
{
protected:
    NoltAlgorithmsSetup* setup() const { return backend->getFixtureSetups()->setup(0); }
    Step* step(int row) const { return setup()->steps().rows().at(static_cast<std::size_t>(row)).get(); }

    QString shownText(const QString& name) const
    {
        QQuickItem* found = visible(name);
        return found ? found->property("text").toString() : QString();
    }

    void activate(const QString& combo, int index)
    {
        QQuickItem* found = visible(combo);
        ASSERT_NE(found, nullptr) << combo.toStdString();
        QMetaObject::invokeMethod(found, "activated", Q_ARG(int, index));
    }

    bool sawMessage(const QString& text) const
    {
        auto* model = window->findChild<QAbstractItemModel*>(QStringLiteral("notificationModel"));
        const int textRole = model->roleNames().key("text");
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data(textRole).toString().endsWith(QStringLiteral(": ") + text))
                return true;
        }
        return false;
    }

    QString notifications() const
    {
        auto* model = window->findChild<QAbstractItemModel*>(QStringLiteral("notificationModel"));
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->index(row, 0).data(model->roleNames().key("text")).toString();
        return rows.join(QStringLiteral("; "));
    }
};

TEST_F(WizardWalkTest, WalksFromTheMethodToTheAppliedAndSavedCorrection)
{
    ASSERT_TRUE(reachWizard());

    // 1. The method, chosen in the combo: filtering, then back to time gating, which the DUT step needs.
    FixtureSetups* setups = backend->getFixtureSetups();
    activate(QStringLiteral("method"), 1);
    EXPECT_EQ(setups->getCorrectionMethod(), MeasureEnums::CorrectionMethod::FILTERING);
    activate(QStringLiteral("method"), 0);
    EXPECT_EQ(setups->getCorrectionMethod(), MeasureEnums::CorrectionMethod::TIME_GATING);
    EXPECT_EQ(shownText(QStringLiteral("vnaPorts")), "Available VNA ports: 2");
    photograph(QStringLiteral("1-description"));

    // 2. The connection: the 2x-thru, then the DUT between the same fixtures.
    next();
    ASSERT_EQ(allVisible(QStringLiteral("vnaPort0")).size(), 2);
    pressVisible(QStringLiteral("dutConnection"));
    ASSERT_TRUE(setup()->abDutConnectionEnabled());
    ASSERT_EQ(setup()->steps().rows().size(), 2u);
    ASSERT_TRUE(waitFor([&] { return allVisible(QStringLiteral("vnaPort0")).size() == 4; }));
    // Every port choice is in view, and no caption runs under its switch.
    for (QQuickItem* choice : allVisible(QStringLiteral("vnaPort0")))
        EXPECT_TRUE(inView(choice)) << choice->mapToScene(QPointF(choice->width(), 0)).x();
    for (const char* name : {"abConnection", "aaConnection", "bbConnection", "dutConnection"}) {
        QQuickItem* toggle = visible(QString::fromLatin1(name));
        ASSERT_NE(toggle, nullptr) << name;
        QQuickItem* caption = toggle->parentItem()->childItems().front();
        EXPECT_LE(caption->x() + caption->property("contentWidth").toReal(), toggle->x()) << name;
    }
    photograph(QStringLiteral("2-connection"));

    // 3. The 10 MHz low-pass grid reaches the analyzer.
    next();
    EXPECT_EQ(shownText(QStringLiteral("currentMode")), "Band pass (Fstart≠Fstep)");
    pressVisible(QStringLiteral("lowPass10MhzMode"));
    ASSERT_TRUE(waitFor([&] { return simulator.model().channel(1).startFrequency == 10e6; }));
    refresh();
    ASSERT_TRUE(waitFor([&] { return shownText(QStringLiteral("currentMode")) == "Low pass (Fstart=Fstep)"; }));
    const Simulator::ChannelSettings sweep = simulator.model().channel(1);
    EXPECT_EQ(sweep.points, 200);
    EXPECT_EQ(sweep.stopFrequency, 2e9);
    photograph(QStringLiteral("3-setup"));

    // 4. Calibration: the check follows a calibration made on the new grid.
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.channel(1).calibration = {}; });
    refresh();
    next();
    QQuickItem* calibrationTable = visible(QStringLiteral("calibrationTable"));
    ASSERT_NE(calibrationTable, nullptr);
    auto* checks = calibrationTable->property("model").value<QObject*>();
    ASSERT_NE(checks, nullptr);
    EXPECT_TRUE(waitFor([&] { return checks->property("hasError").isValid(); }));
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.calibrateAllPorts(1); });
    refresh();
    EXPECT_TRUE(waitFor([&] { return !checks->property("hasError").isValid(); }))
        << checks->property("hasError").toInt();
    photograph(QStringLiteral("4-calibration"));

    // 5. The thru: both port panes show a length.
    next();
    auto* thru = qobject_cast<TransmissionStep*>(step(0));
    ASSERT_NE(thru, nullptr);
    pressVisible(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; })) << notifications().toStdString();
    const QRegularExpression length(QStringLiteral("^L[12] = [-0-9.]+ ?[munpf]?s$"));
    // Until the results arrive, the lines read "---".
    QStringList lengths;
    EXPECT_TRUE(waitFor([&] {
        lengths.clear();
        for (QQuickItem* line : allVisible(QStringLiteral("lengthLine")))
            lengths << line->property("text").toString();
        return lengths.size() == 2 && lengths.filter(length).size() == 2;
    })) << lengths.join(", ").toStdString();
    // The measured standard's buttons stay in line with those of the standards not measured.
    EXPECT_EQ(visible(QStringLiteral("thruMeasure"))->mapToScene(QPointF(0, 0)).x(),
              visible(QStringLiteral("openMeasure"))->mapToScene(QPointF(0, 0)).x());
    photograph(QStringLiteral("5-thru"));

    // The characterization's impulse response is drawn inside its chart.
    pressVisible(QStringLiteral("editCharacterization"));
    QQuickItem* lengthChart = nullptr;
    ASSERT_TRUE(waitFor([&] { return (lengthChart = visible(QStringLiteral("lengthChart"))) != nullptr; }));
    QObject* plotter = lengthChart->property("plotter").value<QObject*>();
    const QVariantList traces = plotter->property("traces").toList();
    ASSERT_EQ(traces.size(), 1);
    const QColor traceColour = traces.front().value<QObject*>()->property("color").value<QColor>();
    auto* chart = plotter->property("chart").value<QQuickItem*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(waitFor([&] { return pixelsOfColour(chart, traceColour) > 50; }))
        << pixelsOfColour(chart, traceColour) << " pixels of " << traceColour.name().toStdString();
    // The photograph shows the reference marker on the response, in the trace's colour.
    QQuickItem* referenceMarker = nullptr;
    ASSERT_TRUE(waitFor([&] { return (referenceMarker = visible(QStringLiteral("referenceMarker"))) != nullptr; }));
    EXPECT_TRUE(inView(referenceMarker));
    EXPECT_GT(pixelsOfColour(referenceMarker, traceColour), 20);
    photograph(QStringLiteral("5-characterization"));
    pressVisible(QStringLiteral("returnButton"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("stepper")) != nullptr; }));

    // The DUT in its fixtures.
    auto* dut = qobject_cast<DutStep*>(step(1));
    ASSERT_NE(dut, nullptr);
    pressVisible(QStringLiteral("nextStep"));
    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Dut);
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("dutMeasure")) != nullptr; }));
    pressVisible(QStringLiteral("dutMeasure"));
    ASSERT_TRUE(waitForWork([&] { return dut->measureStatus() == MeasureStatus::MEASURED; })) << notifications().toStdString();
    EXPECT_TRUE(waitFor([&] { return shownText(QStringLiteral("stepStatus")) == "Step is complete"; }));
    photograph(QStringLiteral("5-dut"));

    // 6. Applied: the analyzer de-embeds each port with its file.
    next();
    pressVisible(QStringLiteral("applyCorrection"));
    ASSERT_TRUE(waitForWork([&] { return sawMessage(QStringLiteral("Correction was applied")); })) << notifications().toStdString();
    ASSERT_TRUE(waitFor([&] { return simulator.model().channel(1).fixtureSimulator; }));
    const Simulator::ChannelSettings applied = simulator.model().channel(1);
    EXPECT_TRUE(applied.deembedding);
    for (const int port : {1, 2}) {
        ASSERT_EQ(applied.deembeddingPorts.count(port), 1u) << port;
        const Simulator::PortDeembedding& entry = applied.deembeddingPorts.at(port);
        EXPECT_TRUE(entry.enabled) << port;
        EXPECT_TRUE(entry.fileName.endsWith(QStringLiteral("tmp/deembed-%1.s2p").arg(port))) << entry.fileName.toStdString();
        EXPECT_TRUE(entry.network.has_value()) << port;
    }

    // Saved through the dialog's handler under a name with a blank.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString url = QString::fromLatin1(QUrl::fromLocalFile(folder.filePath("my corr.s2p")).toEncoded());
    ASSERT_TRUE(url.startsWith("file:///") && url.endsWith("my%20corr.s2p")) << url.toStdString();
    QQuickItem* resultsPage = visible(QStringLiteral("saveCorrection"));
    while (resultsPage && resultsPage->metaObject()->indexOfMethod("saveCorrection(QVariant)") < 0)
        resultsPage = resultsPage->parentItem();
    ASSERT_NE(resultsPage, nullptr);
    QMetaObject::invokeMethod(resultsPage, "saveCorrection", Q_ARG(QVariant, url));
    const QDir saved(folder.path());
    EXPECT_TRUE(waitForWork([&] { return saved.exists("my corr1.s2p") && saved.exists("my corr2.s2p"); }))
        << saved.entryList(QDir::Files).join(", ").toStdString() << " " << notifications().toStdString();
    photograph(QStringLiteral("6-results"));

    // The settings page, and the test mode by F9 while a field has the focus,
    // neither showing through the list of running tasks.
    TaskProgress running;
    backend->getProgressManager()->add(&running, QStringLiteral("Save test mode parameters"));
    QQuickItem* progress = item(QStringLiteral("progressView"));
    ASSERT_TRUE(waitFor([&] { return progress->isVisible(); }));
    pressVisible(QStringLiteral("settingsButton"));
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("analyzerAddress")) != nullptr
                                     && !property(QStringLiteral("pageStack"), "busy").toBool(); }));
    EXPECT_EQ(textsUnder(item(QStringLiteral("settingsPage")), progress), QStringList());
    EXPECT_EQ(visible(QStringLiteral("analyzerPort"))->property("text").toString(), QString::number(simulator.port()));
    photograph(QStringLiteral("7-settings"));
    visible(QStringLiteral("analyzerAddress"))->forceActiveFocus();
    pressShortcut(Qt::Key_F9);
    ASSERT_TRUE(waitFor([&] { return visible(QStringLiteral("testModePage")) != nullptr
                                     && !property(QStringLiteral("pageStack"), "busy").toBool(); }));
    EXPECT_EQ(textsUnder(item(QStringLiteral("testModePage")), progress), QStringList());
    photograph(QStringLiteral("8-test-mode"));
    pressShortcut(Qt::Key_F9);
    EXPECT_TRUE(waitFor([&] { return visible(QStringLiteral("stepper")) != nullptr; }));
}

class RussianWalkTest : public InRussian<WalkSession>
{
};

TEST_F(RussianWalkTest, ShowsEveryWizardPageInRussian)
{
    EXPECT_EQ(property(QStringLiteral("statusLabel"), "text").toString(), "ВАЦ НЕ ПОДКЛЮЧЕН");
    ASSERT_TRUE(reachWizard());
    const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    EXPECT_TRUE(property(QStringLiteral("nextButton"), "text").toString().contains(cyrillic))
        << property(QStringLiteral("nextButton"), "text").toString().toStdString();
    for (int page = 1; page <= 6; ++page) {
        if (page > 1)
            next();
        photograph(QStringLiteral("ru-%1").arg(page));
    }
}

} // namespace
