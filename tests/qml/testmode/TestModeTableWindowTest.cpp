#include "app/testmode/TestModeTableModel.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/qml/WindowSession.h"
#include "tests/support/FileDialogs.h"
#include "tests/support/InRussian.h"
#include "tests/support/VisibleItems.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <functional>

namespace {

using Algorithms::ProcessInputParameters;
using Table = TestModeTableModel;

class TestModeTableWindowTest : public WindowSession
{
protected:
    // The test-mode page reached by F9, with the test mode switched on there.
    void openInTestMode()
    {
        connectAnalyzer();
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("stepsPage"), "visible").toBool(); }));
        pressShortcut(Qt::Key_F9);
        ASSERT_TRUE(waitFor([&] { return property(QStringLiteral("testModePage"), "visible").toBool(); }));
        click(QStringLiteral("testModeSwitch"));
        ASSERT_TRUE(backend->getTestModeTable()->isTestMode());
        parameters = backend->findChild<ProcessInputParameters*>();
        ASSERT_NE(parameters, nullptr);
    }

    // The value field of the table's model row.
    QQuickItem* valueField(int modelRow) const
    {
        for (QQuickItem* field : visibleItemsNamed(item(QStringLiteral("testModeTable")), QStringLiteral("valueField")))
            if (field->property("tableRow").toInt() == modelRow)
                return field;
        return nullptr;
    }

    // Types over the row's text as a user does, then presses Enter.
    void typeIntoRow(int modelRow, const QString& text)
    {
        QQuickItem* field = valueField(modelRow);
        ASSERT_NE(field, nullptr) << modelRow;
        field->forceActiveFocus();
        QMetaObject::invokeMethod(field, "selectAll");
        for (const QChar character : text)
            QTest::keyClick(window, character.toLatin1());
        QTest::keyClick(window, Qt::Key_Return);
    }

    QString shown(int modelRow) const
    {
        QQuickItem* field = valueField(modelRow);
        return field ? field->property("text").toString() : QString();
    }

    // The texts of the table's visible labels, in tree order.
    QStringList labels() const
    {
        QStringList texts;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* below) {
            if (!below->isVisible())
                return;
            if (below->inherits("QQuickLabel"))
                texts << below->property("text").toString();
            for (QQuickItem* child : below->childItems())
                walk(child);
        };
        walk(item(QStringLiteral("testModeTable")));
        return texts;
    }

    ProcessInputParameters* parameters = nullptr;
};

TEST_F(TestModeTableWindowTest, DecimalCoefficientsTakeTheirFraction)
{
    openInTestMode();
    typeIntoRow(Table::CoefficientNrtRow, QStringLiteral("0.95"));
    typeIntoRow(Table::KaiserBetaXRow, QStringLiteral("7.5"));
    typeIntoRow(Table::KaiserBetaRow, QStringLiteral("2.25"));
    typeIntoRow(Table::CoefficientNRow, QStringLiteral("5.7"));
    EXPECT_DOUBLE_EQ(parameters->normalizingValue(), 0.95);
    EXPECT_DOUBLE_EQ(parameters->kaiserBetaX(), 7.5);
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 2.25);
    EXPECT_EQ(parameters->nRiseTime(), 5);
    EXPECT_EQ(shown(Table::KaiserBetaRow), "2.25");

    // Half-typed numbers reach no parameter, and a prefix is no part of a number here.
    for (const QString& partial : {QStringLiteral("."), QStringLiteral("-"), QStringLiteral("1e")})
        typeIntoRow(Table::KaiserBetaRow, partial);
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 2.25);
    typeIntoRow(Table::KaiserBetaRow, QStringLiteral("3k"));
    EXPECT_DOUBLE_EQ(parameters->kaiserBeta(), 3.0);
}

TEST_F(TestModeTableWindowTest, MinGateTimeReadsPrefixesAndTakesAPlainNumberInTheShownPrefix)
{
    openInTestMode();
    ASSERT_EQ(shown(Table::MinGateTimeRow), "-200 ps");
    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("-150"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -1.5e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), "-150 ps");

    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("150p"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), 1.5e-10);
    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("-0.3 ns"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -3e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), "-300 ps");
}

TEST_F(TestModeTableWindowTest, SetDefaultAfterABandPassRunRefreshesEveryRow)
{
    // A band-pass grid: the start frequency is not the step.
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.channel(1).startFrequency = 100e6;
        model.channel(1).stopFrequency = 10e9;
        model.channel(1).points = 200;
    });
    openInTestMode();
    auto* thru = qobject_cast<TransmissionStep*>(backend->getFixtureSetups()->setup(0)->steps().at(0).get());
    ASSERT_NE(thru, nullptr);
    // Once the analyzer told its grid and ports, the fixtures sit on ports 1 and 2.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            NoltAlgorithmsSetup* setup = backend->getFixtureSetups()->setup(0);
            return backend->getVnaDevice()->stepFreq().has_value()
                && setup->rightFixtureConn()->getAttachedVnaPort(0) == 1;
        },
        10000));
    ASSERT_TRUE(thru->measureFromVna());
    ASSERT_TRUE(QTest::qWaitFor([&] { return thru->thruMeasured() == MeasureEnums::MeasureStatus::MEASURED; }, 30000));
    ASSERT_TRUE(waitFor([&] { return shown(Table::ModeRow) == QStringLiteral("BAND"); }));
    ASSERT_EQ(shown(Table::StepResponseStartRow), QStringLiteral("---"));

    click(QStringLiteral("setDefault"));
    EXPECT_TRUE(waitFor([&] { return shown(Table::ModeRow) == QStringLiteral("LOW"); }));
    EXPECT_EQ(shown(Table::StepResponseStartRow), QStringLiteral("-49 n"));
}

// The save dialog shows which test-mode files a folder already holds, and only those.
TEST_F(TestModeTableWindowTest, TheSaveDialogListsTheTestModeFilesOfAFolder)
{
    openInTestMode();
    const QStringList written = {"run_ImpulseResponse.txt", "run_ParametersTestMode.ini", "run_SParametersA.s2p",
                                 "run_Transmission_Step1.s2p"};
    QDir folder(QDir::current().filePath(QStringLiteral("saved")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    for (const QString& name : written + QStringList{QStringLiteral("notes.txt")}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    click(QStringLiteral("saveTestMode"));
    QFileDialog* dialog = shownFileDialog();
    ASSERT_NE(dialog, nullptr);
    QStringList listed = listedFileNames(dialog, folder.path());
    dialog->reject();
    listed.sort();
    EXPECT_EQ(listed, written);
}

// The window as "-r" shows it: the catalogues are installed before the page loads.
class RussianTestModeWindowTest : public InRussian<TestModeTableWindowTest>
{
};

TEST_F(RussianTestModeWindowTest, ShowsRussianNamesAndChoicesWhileTheFileKeepsTheEnglishOnes)
{
    openInTestMode();
    const QStringList names = labels();
    for (const QString& name :
         {QStringLiteral("Режим"), QStringLiteral("Длина"), QStringLiteral("Коэффициент N"), QStringLiteral("Бета Кайзера")})
        EXPECT_TRUE(names.contains(name)) << name.toStdString() << " among " << names.join(", ").toStdString();
    EXPECT_EQ(shown(Table::ModeRow), QStringLiteral("НЧ"));
    EXPECT_EQ(shown(Table::MinGateTimeRow), QStringLiteral("-200 пс"));

    // The low signal's choice shows MEAS, the high one's BASE, both in Russian.
    QObject* low = nullptr;
    QObject* high = nullptr;
    for (QQuickItem* choice : visibleItemsNamed(item(QStringLiteral("testModeTable")), QStringLiteral("valueChoice"))) {
        const QString current = choice->property("currentText").toString();
        (current == QStringLiteral("ИЗМ") ? low : high) = choice;
    }
    ASSERT_NE(low, nullptr);
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->property("currentText").toString(), QStringLiteral("БАЗА"));
    QMetaObject::invokeMethod(low, "activated", Q_ARG(int, 1));
    QMetaObject::invokeMethod(high, "activated", Q_ARG(int, 0));
    EXPECT_EQ(parameters->lowSignalCenterMode(), 1);
    EXPECT_EQ(parameters->highSignalCenterMode(), 0);
    EXPECT_TRUE(waitFor([&] { return low->property("currentText").toString() == QStringLiteral("БАЗА"); }));

    // Typed on a Russian keyboard, prefix and unit in Russian.
    QQuickItem* minGateTime = valueField(Table::MinGateTimeRow);
    ASSERT_NE(minGateTime, nullptr);
    minGateTime->forceActiveFocus();
    QMetaObject::invokeMethod(minGateTime, "selectAll");
    for (const QChar character : QStringLiteral("-0.3 нс"))
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(character), Qt::NoModifier);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -3e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), QStringLiteral("-300 пс"));
    typeIntoRow(Table::MinGateTimeRow, QStringLiteral("-150"));
    EXPECT_DOUBLE_EQ(parameters->timeMin(), -1.5e-10);
    EXPECT_EQ(shown(Table::MinGateTimeRow), QStringLiteral("-150 пс"));

    const QString prefix = QDir::current().filePath(QStringLiteral("bench"));
    backend->saveTestModeFiles(prefix);
    QSettings written(prefix + "_ParametersTestMode.ini", QSettings::IniFormat);
    written.beginGroup(QStringLiteral("PARAMETERS"));
    EXPECT_EQ(written.value("Mode").toString(), QStringLiteral("LOW"));
    EXPECT_EQ(written.value("Low_signal_center_mode").toString(), QStringLiteral("BASE"));
    EXPECT_EQ(written.value("High_signal_center_mode").toString(), QStringLiteral("MEAS"));
    EXPECT_EQ(written.value("Min_gate_time").toString(), QStringLiteral("-150 ps"));
    EXPECT_EQ(written.value("Coefficient_N").toInt(), 4);
}

} // namespace
