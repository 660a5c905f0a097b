#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

class QThread;

// A thread that runs posted tasks one after the other, in posting order, and
// serves the events of the objects moved onto it between tasks. The object
// itself stays on the thread that created it.
class WorkerThread : public QObject
{
    Q_OBJECT
public:
    using Task = std::function<void()>;

    explicit WorkerThread(QObject* parent = nullptr);
    ~WorkerThread() override;

    // Any thread. `dropped` runs instead of `task` when the task is removed
    // before it ran (clear, stop, or a post after the stop), so that a caller
    // waiting for the task's report is released rather than left waiting.
    void post(Task task, Task dropped = {});
    // Drops every pending task; a running task is not affected.
    void clear();
    // Counts the clears, so that a caller preparing a task can tell that the queue
    // it meant to join was dropped meanwhile.
    std::uint64_t clearCount() const { return m_clearCount; }
    // Returns once the thread has finished; pending tasks are dropped.
    void stop();

    QThread* workerThread() const { return m_thread; }

private:
    struct Entry
    {
        Task task;
        Task dropped;
    };

    void runLoop();
    std::optional<Entry> takeFront();
    bool isQueueEmpty();
    void dropPending();

    QThread* m_thread = nullptr;
    std::mutex m_queueMutex;
    std::deque<Entry> m_queue;
    bool m_accepting = true;
    std::atomic<std::uint64_t> m_clearCount{0};
};
