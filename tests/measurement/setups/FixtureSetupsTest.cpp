#include "analyzer/files/TouchstoneIO.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/Standards.h"
#include "tests/measurement/steps/StepSession.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <functional>

using MeasureEnums::CorrectionMethod;

namespace {

class FixtureSetupsTest : public StepSession
{
protected:
    void TearDown() override
    {
        list.reset();
        StepSession::TearDown();
    }

    FixtureSetups& setups()
    {
        if (!list) {
            list = std::make_unique<FixtureSetups>(&params, device.get(), &worker, &progress);
            QObject::connect(list.get(), &FixtureSetups::error, list.get(),
                             [this](const QString& text) { errors << text; });
        }
        return *list;
    }

    TransmissionStep& firstThru()
    {
        return *qobject_cast<TransmissionStep*>(setups().setup(0)->steps().at(0).get());
    }

    // Runs the action on the GUI thread once the analyzer sweeps, while a measurement waits.
    void duringTheSweep(std::function<void()> action)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator,
                                       [connection, action] {
                                           QObject::disconnect(*connection);
                                           QTimer::singleShot(0, action);
                                       });
    }

    // Runs the action on the GUI thread once the analyzer is asked to save its state,
    // while the measurement waits for that to end.
    void whileTheStateIsSaved(std::function<void()> action)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::lineReceived, &simulator,
                                       [connection, action](int, const QString& line) {
                                           if (!line.startsWith("MMEMory:STORe:STATe"))
                                               return;
                                           QObject::disconnect(*connection);
                                           QTimer::singleShot(0, action);
                                       });
    }

    // The example fixture on the test's grid: its 2x-thru and its left half's open.
    void writeStandardFiles()
    {
        using namespace Simulator::Physics;
        ASSERT_TRUE(files.isValid());
        const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid());
        const auto open = openStandard(exampleLeftHalf(), grid());
        TouchstoneData thruData;
        TouchstoneData openData;
        thruData.unit = openData.unit = TouchstoneData::HZ;
        for (std::size_t i = 0; i < grid().size(); ++i) {
            thruData.records.push_back({grid()[i], {thru.s11()[i], thru.s12()[i], thru.s21()[i], thru.s22()[i]}, 2});
            openData.records.push_back({grid()[i], {open.s11()[i]}, 1});
        }
        ASSERT_TRUE(TouchstoneIO().write(thruFile(), thruData));
        ASSERT_TRUE(TouchstoneIO().write(openFile(), openData));
    }
    QString thruFile() const { return files.filePath("thru.s2p"); }
    QString openFile() const { return files.filePath("open.s1p"); }

    // A thru step measures the thru file, a reflect step the open file.
    void measureFromFile(Step* step)
    {
        if (auto* thru = qobject_cast<TransmissionStep*>(step))
            thru->measureFromTouchstoneFile(thruFile());
        else
            qobject_cast<ReflectionStep*>(step)->measureOpenFromTouchstone(openFile());
    }

    static bool hasResults(VNAFixtureConnection* fixture)
    {
        return fixture->getFixturePort(0)->measureData()->isCalculated();
    }

    // Keeps the worker busy until `release` is set, so that what the GUI thread posts meanwhile queues up.
    void holdWorker(std::atomic<bool>& release)
    {
        worker.post([&release] {
            while (!release)
                QThread::msleep(1);
        });
    }

    // Until the worker is idle and the objects released meanwhile are gone. A DUT step
    // holds the steps before it, which it releases as it goes: their own deletion is
    // posted then, for the next pass, and they post work as they go.
    void settle()
    {
        for (int pass = 0; pass < 2; ++pass) {
            drain();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        drain();
    }

    std::unique_ptr<FixtureSetups> list;
    QTemporaryDir files;
};

} // namespace

TEST_F(FixtureSetupsTest, SelectionFollowsTheSelectedSetup)
{
    struct Row
    {
        int count;
        int selected;
        int removed;
        int countAfter;
        int selectedAfter;
    };
    const std::vector<Row> table{
        {2, 1, 1, 1, 0},  {2, 0, 0, 1, -1}, {2, 0, 5, 2, 0},
        {2, 1, -1, 2, 1}, {3, 2, 0, 2, 1},  {3, 0, 2, 2, 0},
    };
    for (const Row& row : table) {
        setups().preset();
        while (setups().getCount() < row.count)
            setups().addSetup();
        setups().setSelected(row.selected);
        NoltAlgorithmsSetup* selected = setups().setup(row.selected);
        setups().removeSetup(row.removed);
        EXPECT_EQ(setups().getCount(), row.countAfter) << row.removed;
        EXPECT_EQ(setups().getSelected(), row.selectedAfter) << row.removed;
        if (row.selected != row.removed && row.selectedAfter >= 0) {
            EXPECT_EQ(setups().setup(row.selectedAfter), selected) << row.removed;
        }
    }
}

TEST_F(FixtureSetupsTest, SharedSettingsReachEverySetupAndPresetRestoresThem)
{
    setups().addSetup();
    setups().setUserZ0(75.0);
    setups().setCorrectionMethod(CorrectionMethod::FILTERING);
    setups().setUserZ0(0.0);
    setups().setUserZ0(std::nan(""));
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(setups().getUserZ0(), 75.0);
    setups().addSetup();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(setups().setup(row)->userZ0(), 75.0);
        EXPECT_EQ(setups().setup(row)->correctionMethod(), CorrectionMethod::FILTERING);
        EXPECT_EQ(setups().setup(row)->steps().at(0)->calcMethod(), Algorithms::CalcMethod::Filtering);
        EXPECT_EQ(setups().setup(row)->steps().at(0)->userDefZ0(), 75.0);
    }
    setups().setup(1)->rightFixtureConn()->setAttachedVnaPort(0, 0);
    EXPECT_EQ(setups().getUsedVnaPorts(), (QSet<uint32_t>{0, 1}));

    QSignalSpy conversion(&setups(), &FixtureSetups::z0ConversionTypeChanged);
    setups().preset();
    EXPECT_EQ(setups().getCount(), 1);
    EXPECT_EQ(setups().getSelected(), 0);
    EXPECT_EQ(setups().getUserZ0(), 50.0);
    EXPECT_EQ(setups().getCorrectionMethod(), CorrectionMethod::TIME_GATING);
    EXPECT_EQ(conversion.count(), 0);

    // The setups released by the preset hear nothing more from the list.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setups().setUserZ0(60.0);
    setups().setCorrectionMethod(CorrectionMethod::BISECT);
    EXPECT_EQ(setups().setup(0)->userZ0(), 60.0);
}

// Everything that can happen on the GUI thread while it waits for a measurement:
// the work finishes on live objects and the analyzer gets its state back.
TEST_F(FixtureSetupsTest, EditsRemovalsAndASecondMeasurementWhileAStepMeasures)
{
    simulator.setSweepTimeMs(100);
    setups().addSetup();
    // Held by the setup alone, as the pages hold it.
    const QPointer<TransmissionStep> measuring = &firstThru();
    bool reentered = true;
    duringTheSweep([&] {
        reentered = firstThru().measureFromVna();
        setups().setup(0)->leftFixtureConn()->fixture()->setPortsCount(2);
        setups().setup(0)->setAbDutConnectionEnabled(true);
        setups().removeSetup(0);
        setups().preset();
    });
    EXPECT_TRUE(measuring->measureFromVna());
    ASSERT_FALSE(measuring.isNull());
    EXPECT_EQ(measuring->thruMeasured(), MeasureEnums::MeasureStatus::MEASURED);
    const QStringList lines = allLines();
    EXPECT_FALSE(reentered);
    EXPECT_TRUE(errors.contains("A measurement is already running")) << errors.join("; ").toStdString();
    // A refresh of the 2-port analyzer ends the exchange.
    EXPECT_EQ(lines.last(), "SENSe:CORRection:PORT2:IMPedance?");
    EXPECT_EQ(lines.filter("MMEMory:LOAD ").size(), 1);
    drain();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(measuring.isNull());
}

// A measurement still queued, or still saving the analyzer's state, when the list is
// preset: its waiter is released, the analyzer restored and its task cancelled.
TEST_F(FixtureSetupsTest, PresetReleasesAMeasurementWaitingInTheQueue)
{
    for (const bool whileSaving : {true, false}) {
        SCOPED_TRACE(whileSaving);
        simulator.clearLog();
        std::atomic<bool> release{false};
        holdWorker(release);
        if (whileSaving)
            whileTheStateIsSaved([this] { setups().preset(); });
        else
            QTimer::singleShot(50, &setups(), [this] { setups().preset(); });
        EXPECT_TRUE(firstThru().measureFromVna());
        release = true;
        drain();
        EXPECT_EQ(allLines().filter("MMEMory:LOAD ").size(), 1);
        EXPECT_EQ(allLines().filter("INITiate1:IMMediate").size(), 0);
        EXPECT_EQ(progressTexts().last(), "Save device state (cancelled)");
    }
}

// A measurement whose method changes while the analyzer saves its state was made for
// the old method: it ends without a sweep or results, and says why, as nobody cancelled it.
TEST_F(FixtureSetupsTest, AMethodChangedAsTheMeasurementBeginsEndsItWithTheReason)
{
    setups().setCorrectionMethod(CorrectionMethod::FILTERING);
    whileTheStateIsSaved([this] { setups().setCorrectionMethod(CorrectionMethod::BISECT); });
    EXPECT_TRUE(firstThru().measureFromVna());
    drain();
    EXPECT_EQ(firstThru().thruMeasured(), MeasureEnums::MeasureStatus::NONE);
    EXPECT_EQ(allLines().filter("INITiate1:IMMediate").size(), 0);
    EXPECT_EQ(allLines().filter("MMEMory:LOAD ").size(), 1);
    EXPECT_EQ(errors, QStringList{"The correction method or the analyzer ports changed as the measurement began: "
                                  "measure again"});
}

// A step replaced while its measurement runs goes away only after it, and so after
// what the step replacing it measured meanwhile on the same fixtures: it clears only
// results it wrote itself.
TEST_F(FixtureSetupsTest, AStepReplacedWhileItMeasuresLeavesTheResultsOfTheStepReplacingIt)
{
    writeStandardFiles();
    NoltAlgorithmsSetup* setup = setups().setup(0);
    for (const bool reflect : {false, true}) {
        SCOPED_TRACE(reflect);
        setup->setRightFixtureEnabled(!reflect);
        settle();
        std::atomic<bool> release{false};
        holdWorker(release);
        measureFromFile(setup->steps().at(0).get());
        // A rebuild puts the same kind of step on the same fixtures.
        setup->setAbDutConnectionEnabled(!setup->abDutConnectionEnabled());
        const QPointer<Step> replacing = setup->steps().at(0).get();
        measureFromFile(replacing);
        release = true;
        settle();
        ASSERT_FALSE(replacing.isNull());
        EXPECT_EQ(replacing->measureStatus(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
        EXPECT_TRUE(hasResults(setup->leftFixtureConn()));
        EXPECT_EQ(hasResults(setup->rightFixtureConn()), !reflect);
    }
    // With nothing measured since, a step that goes away clears its results.
    setup->setRightFixtureEnabled(true);
    settle();
    EXPECT_FALSE(hasResults(setup->leftFixtureConn()));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// The worker may be writing a fixture's results: a clear asked for on the GUI thread
// waits for the measurement asked for before it.
TEST_F(FixtureSetupsTest, ClearingAFixturesResultsComesAfterTheMeasurementBeforeIt)
{
    writeStandardFiles();
    std::atomic<bool> release{false};
    holdWorker(release);
    firstThru().measureFromTouchstoneFile(thruFile());
    setups().setup(0)->leftFixtureConn()->clearMeasureData();
    release = true;
    drain();
    EXPECT_EQ(firstThru().thruMeasured(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    EXPECT_FALSE(hasResults(setups().setup(0)->leftFixtureConn()));
    EXPECT_TRUE(hasResults(setups().setup(0)->rightFixtureConn()));
}

// A reflect step makes the rows its own only once it writes results into them: a step
// replacing a measured one whose file is refused, or that still waits for its second
// standard, leaves them to the step they came from, which clears them when it goes.
TEST_F(FixtureSetupsTest, AReplacingReflectStepThatWritesNothingLeavesTheRowsToTheStepItReplaced)
{
    writeStandardFiles();
    NoltAlgorithmsSetup* setup = setups().setup(0);
    setup->setRightFixtureEnabled(false);
    settle();
    for (const bool waitsForShort : {false, true}) {
        SCOPED_TRACE(waitsForShort);
        measureFromFile(setup->steps().at(0).get());
        settle();
        ASSERT_TRUE(hasResults(setup->leftFixtureConn())) << errors.join("; ").toStdString();
        // The replaced step goes only after the work queued for it, and so after the
        // replacing step's.
        std::atomic<bool> release{false};
        holdWorker(release);
        measureFromFile(setup->steps().at(0).get());
        // A step that measures the same keeps its results: an auxiliary thru replaces it first.
        setup->setAaConnectionEnabled(true);
        setup->setAaConnectionEnabled(false);
        auto* replacing = qobject_cast<ReflectionStep*>(setup->steps().at(0).get());
        ASSERT_NE(replacing, nullptr);
        if (waitsForShort) {
            replacing->setShortMeasurementEnable(true);
            replacing->measureOpenFromTouchstone(openFile());
        } else {
            replacing->measureOpenFromTouchstone(files.filePath("missing.s1p"));
        }
        release = true;
        settle();
        EXPECT_EQ(replacing->openMeasured(), waitsForShort ? MeasureEnums::MeasureStatus::MEASURED
                                                           : MeasureEnums::MeasureStatus::NONE);
        EXPECT_EQ(replacing->calculated(), MeasureEnums::MeasureStatus::NONE);
        EXPECT_FALSE(hasResults(setup->leftFixtureConn()));
        errors.clear();
    }
}

// Results stand for the method they were calculated with: a change of method takes
// them from every setup, with one notice for the change.
TEST_F(FixtureSetupsTest, AMethodChangeLeavesTheMeasuredStepsNotMeasuredWithOneNotice)
{
    writeStandardFiles();
    QStringList messages;
    QObject::connect(&setups(), &FixtureSetups::message, [&messages](const QString& text) { messages << text; });
    setups().setCorrectionMethod(CorrectionMethod::FILTERING);
    setups().addSetup();
    ASSERT_TRUE(firstThru().measureFromVna());
    measureFromFile(setups().setup(1)->steps().at(0).get());
    settle();
    for (int row = 0; row < 2; ++row)
        ASSERT_EQ(setups().setup(row)->steps().at(0)->measureStatus(), MeasureEnums::MeasureStatus::MEASURED)
            << errors.join("; ").toStdString();

    setups().setCorrectionMethod(CorrectionMethod::BISECT);
    settle();
    for (int row = 0; row < 2; ++row) {
        NoltAlgorithmsSetup* setup = setups().setup(row);
        EXPECT_EQ(setup->steps().at(0)->measureStatus(), MeasureEnums::MeasureStatus::NONE) << row;
        EXPECT_FALSE(hasResults(setup->leftFixtureConn())) << row;
        EXPECT_FALSE(hasResults(setup->rightFixtureConn())) << row;
    }
    EXPECT_EQ(messages,
              QStringList{"Results measured with another correction method were cleared: measure the fixtures again"});
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// Results stand for the analyzer ports they were measured on: a measured row moved to
// another port leaves its step not measured, with one notice; the same port again
// changes nothing.
TEST_F(FixtureSetupsTest, AMeasuredFixtureMovedToAnotherPortLeavesItsStepNotMeasuredWithOneNotice)
{
    writeStandardFiles();
    QStringList messages;
    QObject::connect(&setups(), &FixtureSetups::message, [&messages](const QString& text) { messages << text; });
    NoltAlgorithmsSetup* setup = setups().setup(0);
    for (const bool reflect : {false, true}) {
        SCOPED_TRACE(reflect);
        setup->setRightFixtureEnabled(!reflect);
        ASSERT_TRUE(setup->leftFixtureConn()->setAttachedVnaPort(0, 0));
        settle();
        messages.clear();
        Step* step = setup->steps().at(0).get();
        measureFromFile(step);
        settle();
        ASSERT_EQ(step->measureStatus(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();

        ASSERT_TRUE(setup->leftFixtureConn()->setAttachedVnaPort(0, 0));
        settle();
        EXPECT_EQ(step->measureStatus(), MeasureEnums::MeasureStatus::MEASURED);
        EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();

        ASSERT_TRUE(setup->leftFixtureConn()->setAttachedVnaPort(0, 1));
        settle();
        EXPECT_EQ(step->measureStatus(), MeasureEnums::MeasureStatus::NONE);
        EXPECT_FALSE(hasResults(setup->leftFixtureConn()));
        EXPECT_EQ(messages,
                  QStringList{"Results measured on other analyzer ports were cleared: measure the fixtures again"});
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

// A refused offset is told by the fixture port that refused it, and by nothing else:
// the user reads it once per attempt, also for two attempts queued one behind the
// other, for a thru and for a reflect fixture alike.
TEST_F(FixtureSetupsTest, ARefusedOffsetIsOneNotificationPerAttempt)
{
    writeStandardFiles();
    NoltAlgorithmsSetup* setup = setups().setup(0);
    // Far more than the fixture's electrical length, taken away.
    constexpr double RefusedPs = -1e6;
    const std::vector<std::pair<const char*, std::function<void(Step*)>>> refusals{
        {"thru",
         [](Step* step) {
             auto* thru = qobject_cast<TransmissionStep*>(step);
             thru->setLeftOffset(RefusedPs);
             thru->applyThruOffset(true);
         }},
        {"reflect",
         [](Step* step) {
             auto* reflect = qobject_cast<ReflectionStep*>(step);
             reflect->setOffset(RefusedPs);
             reflect->applyOffset(true);
         }},
    };
    for (const auto& [kind, refuse] : refusals) {
        SCOPED_TRACE(kind);
        if (std::string(kind) == "reflect")
            setup->setRightFixtureEnabled(false);
        settle();
        Step* step = setup->steps().at(0).get();
        measureFromFile(step);
        settle();
        ASSERT_EQ(step->measureStatus(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
        errors.clear();
        refuse(step);
        refuse(step);
        settle();
        ASSERT_EQ(errors.size(), 2) << errors.join("\n").toStdString();
        for (const QString& text : errors)
            EXPECT_TRUE(text.contains("positive electrical length")) << text.toStdString();
    }
}

// A progress row says how its task ended: a measurement the user cancels reads as
// cancelled, one that fails as failed.
TEST_F(FixtureSetupsTest, ACancelledMeasurementsRowReadsCancelledAndAFailedOnesFailed)
{
    const auto lastRow = [this] {
        QAbstractListModel* model = progress.model();
        return model->data(model->index(model->rowCount() - 1), details::Base::ValueRole).value<ProgressWatcher*>();
    };
    cancelDuringTheNextSweep(firstThru());
    EXPECT_TRUE(firstThru().measureFromVna());
    drain();
    EXPECT_TRUE(lastRow()->isCanceled());
    EXPECT_FALSE(lastRow()->isFailed());

    firstThru().measureFromTouchstoneFile(files.filePath("missing.s2p"));
    drain();
    EXPECT_TRUE(lastRow()->isCanceled());
    EXPECT_TRUE(lastRow()->isFailed());
}
