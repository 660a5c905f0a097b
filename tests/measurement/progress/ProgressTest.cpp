#include "measurement/models/LaterDeleter.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/progress/TaskProgress.h"
#include "tests/measurement/support/WorkerRun.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

struct Shown
{
    int value;
    int maximum;
    QString text;
};

Shown shown(const ProgressWatcher& row)
{
    return {row.progressValue(), row.progressMaximum(), row.progressText()};
}

} // namespace

TEST(TaskProgress, StepsFromAWorkerEndAtTheMaximumWithFinishedWhateverTheStepCount)
{
    WorkerThread worker;
    ProgressManager manager;
    TaskProgress counted;
    TaskProgress shortCounted;
    const QPointer<ProgressWatcher> countedRow = manager.add(&counted, QStringLiteral("DUT"));
    const QPointer<ProgressWatcher> shortRow = manager.add(&shortCounted, QStringLiteral("Reflection offset"));
    QCoreApplication::processEvents();
    EXPECT_EQ(countedRow->progressValue(), 1);
    EXPECT_EQ(countedRow->progressMinimum(), 0);
    EXPECT_EQ(countedRow->progressMaximum(), 2);
    EXPECT_TRUE(countedRow->progressText().isEmpty());

    // Three measuring steps and the restore of the analyzer state, over a range 0 .. 3 + 2.
    counted.setProgressRange(0, 5);
    // Three steps over a range meant for one.
    shortCounted.setProgressRange(0, 1);
    runOnWorker(worker, [&] {
        counted.reportStarted();
        shortCounted.reportStarted();
        for (const char* text : {"Read s-data", "Read freqs", "Calculating", "Restore device state"}) {
            counted.nextStep(QString::fromLatin1(text));
            shortCounted.nextStep(QString::fromLatin1(text));
        }
    });
    for (const ProgressWatcher* row : {countedRow.data(), shortRow.data()}) {
        EXPECT_LT(row->progressValue(), row->progressMaximum());
        EXPECT_EQ(row->progressText(), QStringLiteral("Restore device state"));
    }

    runOnWorker(worker, [&] {
        counted.finish();
        shortCounted.finish();
    });
    for (const ProgressWatcher* row : {countedRow.data(), shortRow.data()}) {
        const Shown end = shown(*row);
        EXPECT_EQ(end.value, end.maximum);
        EXPECT_EQ(end.text, QStringLiteral("Finished"));
        EXPECT_TRUE(row->isFinished());
        EXPECT_FALSE(row->isCanceled());
    }
}

TEST(TaskProgress, CancelFillsTheBarKeepingTheLastTextAndAFinishAfterItChangesNothing)
{
    WorkerThread worker;
    ProgressManager manager;
    TaskProgress withText;
    TaskProgress withoutText;
    const QPointer<ProgressWatcher> textRow = manager.add(&withText, QStringLiteral("Transmission"));
    const QPointer<ProgressWatcher> plainRow = manager.add(&withoutText, QStringLiteral("Transmission"));
    withText.setProgressRange(0, 1);

    runOnWorker(worker, [&] {
        withText.reportStarted();
        withText.nextStep(QStringLiteral("Read freqs"));
        withText.cancel();
        withText.finish();
        withoutText.cancel();
    });
    const Shown cancelled = shown(*textRow);
    EXPECT_EQ(cancelled.value, cancelled.maximum);
    EXPECT_EQ(cancelled.text, QStringLiteral("Read freqs"));
    EXPECT_TRUE(textRow->isCanceled());
    EXPECT_FALSE(textRow->isFinished());

    EXPECT_EQ(plainRow->progressValue(), plainRow->progressMaximum());
    EXPECT_TRUE(plainRow->progressText().isEmpty());
    EXPECT_TRUE(plainRow->isCanceled());
}

TEST(TaskProgress, AnEndUnfinishedIsACancelAfterAnInterruptAndAFailureOtherwise)
{
    WorkerThread worker;
    ProgressManager manager;
    TaskProgress interrupted;
    TaskProgress failed;
    TaskProgress finished;
    const QPointer<ProgressWatcher> interruptedRow = manager.add(&interrupted, QStringLiteral("Transmission"));
    const QPointer<ProgressWatcher> failedRow = manager.add(&failed, QStringLiteral("Transmission"));
    const QPointer<ProgressWatcher> finishedRow = manager.add(&finished, QStringLiteral("Transmission"));

    interrupted.interrupt();
    runOnWorker(worker, [&] {
        interrupted.cancel();
        failed.cancel();
        finished.finish();
    });
    // Too late to change how they ended.
    failed.interrupt();
    finished.interrupt();
    EXPECT_TRUE(interruptedRow->isCanceled());
    EXPECT_FALSE(interruptedRow->isFailed());
    EXPECT_TRUE(failedRow->isFailed());
    EXPECT_FALSE(finishedRow->isFailed());
    EXPECT_FALSE(finishedRow->isCanceled());
}

TEST(ProgressManager, RowsLeaveOnlyAfterTheDelayAndOnlyForTheirOwnDestroyedTask)
{
    WorkerThread worker;
    ProgressManager manager(100ms, nullptr);
    // Given a parent as a step would give itself: the parent must not delete it too.
    QObject step;
    auto shared = makeLaterDeleted<TaskProgress>(&step);
    EXPECT_EQ(shared->parent(), nullptr);
    auto onWorker = new TaskProgress;
    TaskProgress living;
    manager.add(shared.get(), QStringLiteral("Transmission"));
    manager.add(onWorker, QStringLiteral("Save setup"));
    const QPointer<ProgressWatcher> livingRow = manager.add(&living, QStringLiteral("Correction"));
    QAbstractListModel* rows = manager.model();

    shared.reset();
    runOnWorker(worker, [onWorker] { delete onWorker; });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(20);
    EXPECT_EQ(rows->rowCount(), 3);

    EXPECT_TRUE(QTest::qWaitFor([rows] { return rows->rowCount() == 1; }, 2000));
    EXPECT_EQ(rows->data(rows->index(0, 0), details::Base::ValueRole).value<ProgressWatcher*>(), livingRow.data());
}

TEST(ProgressManager, ATaskThatOutlivesItsManagerStartsNoRemovalOnIt)
{
    auto manager = std::make_unique<ProgressManager>(10ms, nullptr);
    auto task = std::make_unique<TaskProgress>();
    const QPointer<ProgressWatcher> row = manager->add(task.get(), QStringLiteral("Recall setup"));
    task.reset();
    QCoreApplication::processEvents();
    manager.reset();
    EXPECT_TRUE(row.isNull());
    // The pending removal would run on the destroyed manager (the sanitizer build reports it).
    QTest::qWait(30);
}
