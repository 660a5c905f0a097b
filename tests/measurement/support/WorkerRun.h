#pragma once

#include "analyzer/threading/WaitForResult.h"
#include "analyzer/threading/WorkerThread.h"

#include <QCoreApplication>

#include <functional>

// Runs the work on the worker as a measurement would, waits for it, then serves
// what it sent to the GUI thread.
inline void runOnWorker(WorkerThread& worker, std::function<void()> work)
{
    waitForResult<bool>([&](std::function<void(bool)> done) {
        worker.post([work, done] {
            work();
            done(true);
        });
    });
    QCoreApplication::processEvents();
}
