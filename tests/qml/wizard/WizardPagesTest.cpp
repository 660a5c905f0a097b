#include "app/checks/SetupVnaTableModel.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/wizard/WizardPageSession.h"
#include "tests/support/FileDialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {

class WizardPagesTest : public WizardPageSession
{
protected:
    TransmissionStep* firstStep() const
    {
        return qobject_cast<TransmissionStep*>(setup(0)->steps().rows().front().get());
    }

    void click(QQuickItem* button)
    {
        ASSERT_NE(button, nullptr);
        const QPointF centre = button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }

    // The setup page on a 2-port analyzer with its custom impedance field enabled.
    void showCustomImpedance()
    {
        startOnAnalyzer(2);
        backend->getFixtureSetups()->setZ0ConversionType(MeasureEnums::Z0Conversion::User);
        impedancePage = showPage("SetupVnaPage");
        ASSERT_NE(impedancePage, nullptr);
        customZ0 = findVisible(impedancePage, "customZ0");
        ASSERT_NE(customZ0, nullptr);
        ASSERT_TRUE(waitFor([this] { return customZ0->isEnabled(); }));
    }

    QQuickItem* impedancePage = nullptr;
    QQuickItem* customZ0 = nullptr;

    // The value field of a model row of a check table.
    static QQuickItem* valueField(QQuickItem* table, int modelRow)
    {
        for (QQuickItem* field : visibleItemsNamed(table, QStringLiteral("valueField")))
            if (field->property("tableRow").toInt() == modelRow)
                return field;
        return nullptr;
    }
};

} // namespace

TEST_F(WizardPagesTest, EveryPageLoadsAndShowsTheAnalyzerAndTheSetup)
{
    startOnAnalyzer(4);
    QQuickItem* fixturePage = showPage("FixturePage");
    ASSERT_NE(fixturePage, nullptr);
    QQuickItem* portsCount = findVisible(fixturePage, "portsCountA");
    ASSERT_NE(portsCount, nullptr);
    EXPECT_EQ(portsCount->property("count").toInt(), 4);
    EXPECT_EQ(findVisible(fixturePage, "vnaPorts")->property("text").toString(), "Available VNA ports: 4");

    QQuickItem* connectionPage = showPage("ConnectionPage");
    ASSERT_NE(connectionPage, nullptr);
    // The default 2x-thru between the fixtures: one port choice per fixture.
    EXPECT_EQ(visibleItemsNamed(connectionPage, "vnaPort0").size(), 2);

    QQuickItem* setupPage = showPage("SetupVnaPage");
    ASSERT_NE(setupPage, nullptr);
    EXPECT_EQ(findVisible(setupPage, "currentMode")->property("text").toString(), "Low pass (Fstart=Fstep)");

    ASSERT_NE(showPage("CalibrateVnaPage"), nullptr);
    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    EXPECT_EQ(findVisible(measurePage, "stepNumber")->property("text").toString(), "Step 1 of 1");
    EXPECT_FALSE(measurePage->property("done").toBool());
    ASSERT_NE(showPage("SaveCorrectionPage"), nullptr);
}

TEST_F(WizardPagesTest, ChoicesReachTheSetupOnlyWhenTheUserMakesThemAndSurviveALostAnalyzer)
{
    startOnAnalyzer(4);
    Fixture* left = setup(0)->leftFixtureConn()->fixture();
    VNAFixtureConnection* right = setup(0)->rightFixtureConn();

    QQuickItem* portsCount = findVisible(showPage("FixturePage"), "portsCountA");
    ASSERT_NE(portsCount, nullptr);
    portsCount->setProperty("currentIndex", 2);
    EXPECT_EQ(left->portsCount(), 1u);
    QMetaObject::invokeMethod(portsCount, "activated", Q_ARG(int, 1));
    EXPECT_EQ(left->portsCount(), 2u);

    // The right fixture's choice in the connection page: the last of the four.
    QList<QQuickItem*> vnaPorts = visibleItemsNamed(showPage("ConnectionPage"), "vnaPort0");
    ASSERT_EQ(vnaPorts.size(), 2);
    QQuickItem* rightPort = vnaPorts.back();
    rightPort->setProperty("currentIndex", 0);
    const uint assigned = right->getAttachedVnaPort(0);
    EXPECT_EQ(right->getAttachedVnaPort(0), assigned);
    QMetaObject::invokeMethod(rightPort, "activated", Q_ARG(int, 3));
    EXPECT_EQ(right->getAttachedVnaPort(0), 3u);

    // The analyzer goes away and comes back: its port choices empty and refill,
    // and nothing the user chose changes.
    const quint16 port = simulator.port();
    simulator.close();
    simulator.dropConnections();
    ASSERT_TRUE(waitFor([this] { return !backend->getVnaDevice()->portsCount(); }));
    EXPECT_TRUE(waitFor([portsCount] { return portsCount->property("count").toInt() == 0; }));
    ASSERT_TRUE(simulator.listen(port));
    ASSERT_TRUE(waitForPortsCount(4));
    EXPECT_EQ(left->portsCount(), 2u);
    EXPECT_EQ(right->getAttachedVnaPort(0), 3u);
    EXPECT_TRUE(waitFor([portsCount] { return portsCount->property("count").toInt() == 4; }));
}

TEST_F(WizardPagesTest, MeasuresAThruByItsButtonTakesOnlyNumbersAsOffsetsAndSavesUnderTheChosenName)
{
    startOnAnalyzer(2);
    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    TransmissionStep* step = firstStep();
    ASSERT_NE(step, nullptr);
    step->setConversionT(Algorithms::Z0ConversionType::None);

    click(findVisible(measurePage, "thruMeasure"));
    ASSERT_TRUE(waitFor([step] { return step->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    ASSERT_TRUE(waitFor([measurePage] { return measurePage->property("done").toBool(); }));
    const QList<QQuickItem*> lengths = visibleItemsNamed(measurePage, "lengthLine");
    ASSERT_EQ(lengths.size(), 2);
    const QRegularExpression length(QStringLiteral("^L[12] = [-0-9.]+ ?[munpf]?s$"));
    for (QQuickItem* line : lengths)
        EXPECT_TRUE(length.match(line->property("text").toString()).hasMatch()) << line->property("text").toString().toStdString();

    // The thru's impulse response is one graph, named by both halves.
    QQuickItem* lengthChart = findVisible(showPage("FixtureCharacterization"), "lengthChart");
    ASSERT_NE(lengthChart, nullptr);
    const QVariantList traces = lengthChart->property("plotter").value<QObject*>()->property("traces").toList();
    ASSERT_EQ(traces.size(), 1);
    EXPECT_EQ(traces.front().value<QObject*>()->property("name").toString(), "LA1B2");

    QQuickItem* offset = findVisible(measurePage, "leftOffset");
    ASSERT_NE(offset, nullptr);
    for (const QString& text : {QString(), QStringLiteral("+"), QStringLiteral("."), QStringLiteral("NaN")}) {
        typeAndFinish(offset, text);
        EXPECT_EQ(step->leftOffset(), 0.0) << text.toStdString();
        EXPECT_EQ(offset->property("text").toString(), "0") << text.toStdString();
    }
    EXPECT_FALSE(step->appliedFixtureOffset());
    typeAndFinish(offset, "12.5");
    EXPECT_EQ(step->leftOffset(), 12.5);
    EXPECT_TRUE(waitFor([step] { return step->appliedFixtureOffset(); }));

    // A chosen name with a blank, in a folder whose name holds ".s2p".
    QDir folder(workingDirectory.filePath("run.s2p files"));
    ASSERT_TRUE(folder.mkpath("."));
    const QString url = QString::fromLatin1(QUrl::fromLocalFile(folder.filePath("my corr.s2p")).toEncoded());
    ASSERT_TRUE(url.startsWith("file:///") && url.contains("my%20corr.s2p")) << url.toStdString();
    QQuickItem* savePage = showPage("SaveCorrectionPage");
    ASSERT_NE(savePage, nullptr);
    QMetaObject::invokeMethod(savePage, "saveCorrection", Q_ARG(QVariant, url));
    EXPECT_TRUE(waitFor([&folder] { return folder.exists("my corr1.s2p") && folder.exists("my corr2.s2p"); }))
        << folder.entryList(QDir::Files).join(", ").toStdString() << " " << errors.join("; ").toStdString();
}

// The raw-data save dialog shows which raw-data files a folder already holds, and only those.
TEST_F(WizardPagesTest, TheRawDataDialogListsTheRawDataFilesOfAFolder)
{
    startOnAnalyzer(2);
    QDir folder(workingDirectory.filePath("raw"));
    ASSERT_TRUE(folder.mkpath("."));
    for (const char* name : {"run_Transmission_Step1.s2p", "run_DutRawData_Step3(1).s1p", "notes.txt"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    }
    QQuickItem* savePage = showPage("SaveCorrectionPage");
    ASSERT_NE(savePage, nullptr);
    click(findVisible(savePage, "saveRawData"));
    QFileDialog* dialog = shownFileDialog();
    ASSERT_NE(dialog, nullptr);
    QStringList listed = listedFileNames(dialog, folder.path());
    dialog->reject();
    listed.sort();
    EXPECT_EQ(listed, QStringList({"run_DutRawData_Step3(1).s1p", "run_Transmission_Step1.s2p"}));
}

TEST_F(WizardPagesTest, PortPanesAndChartLabelsNameTheCabledPortsUntilMeasuredThenTheMeasuredOnes)
{
    startOnAnalyzer(4);
    TransmissionStep* step = firstStep();
    ASSERT_NE(step, nullptr);
    QQuickItem* measurePage = showPage("MeasureFixturePage");
    ASSERT_NE(measurePage, nullptr);
    QQuickItem* characterization = showPage("FixtureCharacterization");
    ASSERT_NE(characterization, nullptr);
    QObject* lengthPlotter = findVisible(characterization, "lengthChart")->property("plotter").value<QObject*>();
    QQuickItem* connectionPage = showPage("ConnectionPage");
    ASSERT_NE(connectionPage, nullptr);
    const QList<QQuickItem*> vnaPorts = visibleItemsNamed(connectionPage, "vnaPort0");
    ASSERT_EQ(vnaPorts.size(), 2);
    const auto cableTo = [&vnaPorts](int leftPort, int rightPort) {
        QMetaObject::invokeMethod(vnaPorts.front(), "activated", Q_ARG(int, leftPort - 1));
        QMetaObject::invokeMethod(vnaPorts.back(), "activated", Q_ARG(int, rightPort - 1));
    };
    const auto lines = [measurePage](const char* name) {
        QStringList texts;
        for (QQuickItem* line : visibleItemsNamed(measurePage, name))
            texts << line->property("text").toString();
        return texts;
    };
    const auto lengthLabels = [lengthPlotter] {
        QStringList names;
        for (const QVariant& trace : lengthPlotter->property("traces").toList())
            names << trace.value<QObject*>()->property("name").toString();
        return names;
    };

    EXPECT_EQ(lines("portLine"), (QStringList{"Port 1 | --- Ohm", "Port 2 | --- Ohm"}));
    EXPECT_EQ(lines("lengthLine"), (QStringList{"L1 = --- s", "L2 = --- s"}));
    EXPECT_EQ(lengthLabels(), QStringList{"LA1B2"});

    // The simulator's ports 3 and 4 see a thru of their own.
    cableTo(3, 4);
    EXPECT_EQ(lines("portLine"), (QStringList{"Port 3 | --- Ohm", "Port 4 | --- Ohm"}));
    EXPECT_EQ(lines("lengthLine"), (QStringList{"L3 = --- s", "L4 = --- s"}));
    EXPECT_EQ(lengthLabels(), QStringList{"LA3B4"});

    connectionPage->setVisible(false);
    characterization->setVisible(false);
    click(findVisible(measurePage, "thruMeasure"));
    ASSERT_TRUE(waitFor([step] { return step->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }, 10000))
        << errors.join("; ").toStdString();
    const QStringList measured{"Port 3 | 50 Ohm", "Port 4 | 50 Ohm"};
    EXPECT_TRUE(waitFor([&] { return lines("portLine") == measured; })) << lines("portLine").join(", ").toStdString();
    EXPECT_FALSE(lines("lengthLine").join(" ").contains("---"));

    // Cabled back, the results are still those of ports 3 and 4.
    cableTo(1, 2);
    EXPECT_EQ(setup(0)->rightFixtureConn()->getAttachedVnaPort(0), 1u);
    EXPECT_EQ(lines("portLine"), measured);
    EXPECT_EQ(lengthLabels(), QStringList{"LA3B4"});
}

// A stop frequency above the analyzer's highest is refused: the field returns to the
// analyzer's value and the reason shows below it until a new value is typed.
TEST_F(WizardPagesTest, ARefusedStopFrequencyShowsItsReasonBesideTheField)
{
    startOnAnalyzer(2);
    QQuickItem* setupPage = showPage("SetupVnaPage");
    ASSERT_NE(setupPage, nullptr);
    QQuickItem* table = findVisible(setupPage, "setupTable");
    ASSERT_NE(table, nullptr);
    const auto stopField = [table] { return valueField(table, SetupVnaTableModel::StopFrequencyRow); };
    ASSERT_TRUE(waitFor([&] { return stopField() && stopField()->property("text").toString() == "10 GHz"; }));
    ASSERT_TRUE(waitFor([this] { return backend->getVnaDevice()->maxFreq().has_value(); }));

    QQuickItem* field = stopField();
    field->forceActiveFocus();
    field->setProperty("text", "25 G");
    QMetaObject::invokeMethod(field, "accepted");
    QQuickItem* reason = nullptr;
    ASSERT_TRUE(waitFor([&] { return (reason = findVisible(table, "refusal")) != nullptr; }));
    EXPECT_EQ(reason->property("text").toString(), "25 GHz is above the analyzer's highest frequency, 20 GHz");
    field = stopField();
    EXPECT_TRUE(waitFor([&] { return field->property("text").toString() == "10 GHz"; }))
        << field->property("text").toString().toStdString();
    // Below the field, inside the table's row.
    const QRectF fieldRect = field->mapRectToScene(QRectF(0, 0, field->width(), field->height()));
    const QRectF reasonRect = reason->mapRectToScene(QRectF(0, 0, reason->width(), reason->height()));
    EXPECT_GE(reasonRect.top(), fieldRect.bottom());
    EXPECT_LT(reasonRect.top(), fieldRect.bottom() + fieldRect.height());
    EXPECT_NEAR(reasonRect.left(), fieldRect.left(), 1.0);
    EXPECT_LE(reasonRect.bottom(), table->mapRectToScene(QRectF(0, 0, table->width(), table->height())).bottom());

    // Typing a new value takes the reason away before it is entered.
    field->forceActiveFocus();
    QTest::keyClick(window.get(), '1');
    EXPECT_TRUE(waitFor([&] { return findVisible(table, "refusal") == nullptr; }));
}

// Typed key by key, a prefix without a blank reaches the analyzer as typed, and a
// fraction of a point is refused with its reason instead of losing its dot.
TEST_F(WizardPagesTest, TypedSweepValuesReachTheAnalyzerAsTypedOrAreRefusedWithAReason)
{
    startOnAnalyzer(2);
    QQuickItem* setupPage = showPage("SetupVnaPage");
    ASSERT_NE(setupPage, nullptr);
    QQuickItem* table = findVisible(setupPage, "setupTable");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(waitFor([&] { return valueField(table, SetupVnaTableModel::SweepPointsRow) != nullptr; }));
    const int points = simulator.model().findChannel(1)->points;
    const auto type = [&](int modelRow, const QString& typed) { typeKeysAndReturn(valueField(table, modelRow), typed); };

    type(SetupVnaTableModel::IfBandwidthRow, "30k");
    EXPECT_TRUE(waitFor([this] { return simulator.model().findChannel(1)->ifBandwidth == 30e3; }, 10000))
        << simulator.model().findChannel(1)->ifBandwidth;
    type(SetupVnaTableModel::StopFrequencyRow, "15G");
    EXPECT_TRUE(waitFor([this] { return simulator.model().findChannel(1)->stopFrequency == 15e9; }, 10000))
        << simulator.model().findChannel(1)->stopFrequency;
    type(SetupVnaTableModel::SweepPointsRow, "1.5");
    QQuickItem* reason = nullptr;
    ASSERT_TRUE(waitFor([&] { return (reason = findVisible(table, "refusal")) != nullptr; }));
    EXPECT_EQ(reason->property("text").toString(), "1.5 is not a whole positive number of points");
    EXPECT_EQ(simulator.model().findChannel(1)->points, points);
}

// The low-pass mode moves the start frequency, and with it the points the grid needs: the
// reason given against the row as it was goes.
TEST_F(WizardPagesTest, ARefusedPointsCountsReasonGoesWhenTheLowPassModeChangesItsRow)
{
    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.channel(1).startFrequency = 100e6; });
    startOnAnalyzer(2);
    QQuickItem* setupPage = showPage("SetupVnaPage");
    ASSERT_NE(setupPage, nullptr);
    QQuickItem* table = findVisible(setupPage, "setupTable");
    ASSERT_NE(table, nullptr);
    const auto pointsField = [table] { return valueField(table, SetupVnaTableModel::SweepPointsRow); };
    ASSERT_TRUE(waitFor([&] { return pointsField() != nullptr; }));
    const int points = simulator.model().findChannel(1)->points;

    QQuickItem* field = pointsField();
    field->forceActiveFocus();
    field->setProperty("text", "1.5");
    QMetaObject::invokeMethod(field, "accepted");
    ASSERT_TRUE(waitFor([&] { return findVisible(table, "refusal") != nullptr; }));

    click(findVisible(setupPage, "lowPassMode"));
    EXPECT_TRUE(waitFor([&] { return findVisible(table, "refusal") == nullptr; }));
    EXPECT_EQ(simulator.model().findChannel(1)->points, points);
}

// The custom reference impedance takes a typed exponent as the sweep fields above it
// do, and refuses a value out of its range with the reason below the field.
TEST_F(WizardPagesTest, TheCustomImpedanceIsTakenAsTypedOrRefusedWithAReason)
{
    showCustomImpedance();
    if (HasFatalFailure())
        return;
    QQuickItem* field = customZ0;
    QQuickItem* setupPage = impedancePage;
    FixtureSetups* setups = backend->getFixtureSetups();
    const auto type = [&](const QString& typed) { typeKeysAndReturn(field, typed); };

    type("1e3");
    EXPECT_EQ(setups->getUserZ0(), 1000.0);
    EXPECT_EQ(field->property("text").toString(), "1000");
    type("0.5");
    QQuickItem* reason = findVisible(setupPage, "customZ0Refusal");
    ASSERT_NE(reason, nullptr);
    // The ohm sign, as every other text writes the unit.
    EXPECT_EQ(reason->property("text").toString(),
              QStringLiteral("0.5 is outside the range from 1 \u2126 to 1000 \u2126"));
    EXPECT_EQ(setups->getUserZ0(), 1000.0);
    EXPECT_EQ(field->property("text").toString(), "1000");

    // The unit typed as the ohm sign or as the Greek capital omega that keyboards give.
    type(QStringLiteral("50\u2126"));
    EXPECT_EQ(setups->getUserZ0(), 50.0);
    type(QStringLiteral("60 \u03a9"));
    EXPECT_EQ(setups->getUserZ0(), 60.0);
    EXPECT_EQ(field->property("text").toString(), "60");

    // The reason quotes the typed text as it is, never as markup.
    type("1<br>2");
    reason = findVisible(setupPage, "customZ0Refusal");
    ASSERT_NE(reason, nullptr);
    EXPECT_EQ(reason->property("text").toString(), "1<br>2 is not a number");
    EXPECT_EQ(reason->property("lineCount").toInt(), 1);
    EXPECT_EQ(setups->getUserZ0(), 60.0);
}

// A press on empty space inside the page's scrolled area ends the edit as Return does:
// the typed impedance is entered, not left showing unapplied.
TEST_F(WizardPagesTest, APressOnEmptySpaceInsideTheScrolledPageEntersTheTypedImpedance)
{
    showCustomImpedance();
    if (HasFatalFailure())
        return;
    QQuickItem* field = customZ0;
    QQuickItem* setupPage = impedancePage;
    FixtureSetups* setups = backend->getFixtureSetups();
    QQuickItem* area = field->parentItem();
    while (area && !area->inherits("QQuickFlickable"))
        area = area->parentItem();
    ASSERT_NE(area, nullptr);

    ASSERT_NO_FATAL_FAILURE(typeKeys(field, "1e3"));
    // Beside the current mode, where the page shows nothing.
    QQuickItem* mode = findVisible(setupPage, "currentMode");
    ASSERT_NE(mode, nullptr);
    const QPointF empty = mode->mapToScene(QPointF(mode->width() + 40, mode->height() / 2));
    ASSERT_TRUE(area->mapRectToScene(QRectF(0, 0, area->width(), area->height())).contains(empty));
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, empty.toPoint());
    EXPECT_FALSE(field->hasActiveFocus());
    EXPECT_EQ(setups->getUserZ0(), 1000.0);
    EXPECT_EQ(field->property("text").toString(), "1000");
}
