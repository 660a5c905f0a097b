#pragma once

#include <QFuture>
#include <QFutureInterface>
#include <QObject>

#include <atomic>
#include <memory>
#include <mutex>

// The producer side of one progress row. Any thread may advance it; watchers on
// the GUI thread get the changes through the future interface. The value only
// moves forward and nothing changes after cancel() or finish().
class TaskProgress : public QObject, private QFutureInterface<void>
{
    Q_OBJECT

public:
    // Stands at 1 of 0..2 with no text.
    explicit TaskProgress(QObject* parent = nullptr);

    // maximum counts the steps from minimum; the task already stands one step in,
    // so the range shown is one longer and the steps leave room for the final one.
    void setProgressRange(int minimum, int maximum);
    void setProgressValue(int value);
    void setProgressValueAndText(int value, const QString& text);
    void reportStarted();

    // Value + 1. Never takes the last position, which belongs to finish() and cancel():
    // a step count that falls short grows the range instead.
    void nextStep();
    void nextStep(const QString& text);
    // Bar full with the last text kept, state cancelled: failed, unless interrupt() came first.
    void cancel();
    // The user asked the operation to stop: should it end by cancel() from here on, it
    // was cancelled, not failed. Nothing once the task has ended.
    void interrupt();
    // Whether an interrupt came before the end.
    bool isInterrupted() const { return *m_interrupted; }
    // The same, shared with the watchers, which may outlive the task.
    std::shared_ptr<const std::atomic<bool>> interruptedFlag() const { return m_interrupted; }
    // Bar full with "Finished", state finished.
    void finish();

    QFuture<void> future() const;

signals:
    // After every step, from the thread that took it. The future interface drops the
    // notices of steps that follow each other closely, which would leave a row on a
    // stage long over while a slow one (a sweep) runs.
    void advanced();

private:
    void advance(const QString& text);
    void complete(const QString& text);

    mutable std::mutex m_mutex;
    const std::shared_ptr<std::atomic<bool>> m_interrupted = std::make_shared<std::atomic<bool>>(false);
};
