#include "measurement/progress/ProgressManager.h"

#include "measurement/progress/TaskProgress.h"

#include <QTimer>

ProgressManager::ProgressManager(QObject* parent)
    : ProgressManager(DefaultRemovalDelay, parent)
{
}

ProgressManager::ProgressManager(std::chrono::milliseconds removalDelay, QObject* parent)
    : QObject(parent)
    , m_removalDelay(removalDelay)
{
}

QPointer<ProgressWatcher> ProgressManager::add(TaskProgress* task, const QString& title)
{
    auto watcher = std::make_shared<ProgressWatcher>();
    watcher->setInterruptedFlag(task->interruptedFlag());
    const QFuture<void> future = task->future();
    if (watcher->future() != future)
        watcher->setFuture(future);
    watcher->setName(title);
    // Queued onto the watcher's thread, where it reads the step the future holds by then.
    ProgressWatcher* notified = watcher.get();
    connect(task, &TaskProgress::advanced, notified, &ProgressWatcher::progressValueChanged);
    connect(task, &TaskProgress::advanced, notified, &ProgressWatcher::progressTextChanged);
    QPointer<ProgressWatcher> guarded(watcher.get());
    // The manager as context: the removal starts on its thread, and never after its end.
    connect(task, &QObject::destroyed, this, [this, guarded] { scheduleRemoval(guarded); });
    m_rows.append(std::move(watcher));
    return guarded;
}

QAbstractListModel* ProgressManager::model()
{
    return &m_rows;
}

void ProgressManager::scheduleRemoval(QPointer<ProgressWatcher> watcher)
{
    QTimer::singleShot(m_removalDelay, this, [this, watcher] {
        if (!watcher)
            return;
        const auto& rows = m_rows.rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row].get() == watcher) {
                m_rows.remove(static_cast<int>(row), 1);
                return;
            }
        }
    });
}
