#include "analyzer/threading/Checker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <utility>

namespace {

std::function<void()>& quitObserver()
{
    static std::function<void()> observer;
    return observer;
}

} // namespace

Checker::~Checker()
{
    // A report still emitting on another thread finishes before the object goes.
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
}

void Checker::wait()
{
    {
        // Connected before the check: a report that comes between the two still
        // reaches the loop, queued, and ends it.
        QEventLoop loop;
        connect(this, &Checker::checked, &loop, &QEventLoop::quit);
        if (!isDone())
            loop.exec();
    }
    if (isDone())
        return;
    // Only the report quits the loop; ended otherwise, the thread's event loops were
    // told to end, and every further one would return at once.
    const QCoreApplication* application = QCoreApplication::instance();
    if (application && application->thread() == QThread::currentThread() && quitObserver())
        quitObserver()();
    std::unique_lock<std::recursive_mutex> lock(m_mutex);
    m_reported.wait(lock, [this] { return m_done; });
}

void Checker::report()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_done = true;
    emit checked();
    m_reported.notify_all();
}

bool Checker::isDone() const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_done;
}

void Checker::setQuitObserver(std::function<void()> observer)
{
    quitObserver() = std::move(observer);
}
