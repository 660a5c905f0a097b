#include "measurement/progress/TaskProgress.h"

TaskProgress::TaskProgress(QObject* parent)
    : QObject(parent)
{
    QFutureInterface<void>::setProgressRange(0, 2);
    QFutureInterface<void>::setProgressValueAndText(1, QString());
}

void TaskProgress::setProgressRange(int minimum, int maximum)
{
    std::lock_guard lock(m_mutex);
    QFutureInterface<void>::setProgressRange(minimum, maximum + 1);
}

void TaskProgress::setProgressValue(int value)
{
    std::lock_guard lock(m_mutex);
    QFutureInterface<void>::setProgressValue(value);
}

void TaskProgress::setProgressValueAndText(int value, const QString& text)
{
    std::lock_guard lock(m_mutex);
    QFutureInterface<void>::setProgressValueAndText(value, text);
}

void TaskProgress::reportStarted()
{
    std::lock_guard lock(m_mutex);
    QFutureInterface<void>::reportStarted();
}

void TaskProgress::nextStep()
{
    advance(QString());
}

void TaskProgress::nextStep(const QString& text)
{
    advance(text);
}

void TaskProgress::advance(const QString& text)
{
    {
        std::lock_guard lock(m_mutex);
        if (isCanceled() || isFinished())
            return;
        const int next = progressValue() + 1;
        if (next >= progressMaximum())
            QFutureInterface<void>::setProgressRange(progressMinimum(), next + 1);
        QFutureInterface<void>::setProgressValueAndText(next, text);
    }
    emit advanced();
}

void TaskProgress::cancel()
{
    std::lock_guard lock(m_mutex);
    if (isCanceled() || isFinished())
        return;
    complete(progressText());
    QFutureInterface<void>::cancel();
}

void TaskProgress::interrupt()
{
    std::lock_guard lock(m_mutex);
    if (isCanceled() || isFinished())
        return;
    *m_interrupted = true;
}

void TaskProgress::finish()
{
    std::lock_guard lock(m_mutex);
    if (isCanceled() || isFinished())
        return;
    complete(tr("Finished"));
    reportFinished();
}

void TaskProgress::complete(const QString& text)
{
    // A value already at the maximum would swallow the final text.
    if (progressValue() >= progressMaximum())
        QFutureInterface<void>::setProgressRange(progressMinimum(), progressValue() + 1);
    QFutureInterface<void>::setProgressValueAndText(progressMaximum(), text);
}

QFuture<void> TaskProgress::future() const
{
    return QFutureInterface<void>(*this).future();
}
