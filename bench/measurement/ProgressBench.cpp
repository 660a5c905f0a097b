#include "analyzer/threading/WaitForResult.h"
#include "analyzer/threading/WorkerThread.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/progress/TaskProgress.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// 10,000 steps of one task from the worker while the GUI thread watches its row,
// up to the row showing the end.
void BM_TenThousandProgressStepsFromAWorker(benchmark::State& state)
{
    constexpr int Steps = 10000;
    WorkerThread worker;
    ProgressManager manager(std::chrono::milliseconds(0), nullptr);
    const QString text = QStringLiteral("Execute algorithm");
    for (auto _ : state) {
        TaskProgress task;
        const QPointer<ProgressWatcher> row = manager.add(&task, QStringLiteral("Transmission"));
        task.setProgressRange(0, Steps);
        waitForResult<bool>([&](std::function<void(bool)> done) {
            worker.post([&task, &text, done] {
                task.reportStarted();
                for (int i = 0; i < Steps; ++i)
                    task.nextStep(text);
                task.finish();
                done(true);
            });
        });
        while (!row->isFinished())
            QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TenThousandProgressStepsFromAWorker)->Unit(benchmark::kMillisecond);
