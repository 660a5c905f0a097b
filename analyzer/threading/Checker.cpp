#include "analyzer/threading/Checker.h"

#include "analyzer/threading/QuitNotice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace {

// The code with which the report ends a wait's loop. Any other code means that the
// loop was ended from outside: only the application's quit (QCoreApplication::exit)
// reaches a loop that nobody else knows of.
constexpr int ReportedCode = -0x5eed;

bool onApplicationThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application && application->thread() == QThread::currentThread();
}

} // namespace

Checker::~Checker()
{
    // A report still emitting on another thread finishes before the object goes.
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
}

void Checker::wait()
{
    bool endedByQuit = false;
    {
        QEventLoop loop;
        // Connected before the check: a report that comes between the two still
        // reaches the loop, queued, and ends it. A loop that the quit has ended keeps
        // the quit's code, whichever comes first: the report's own end, or the report
        // landing before this thread looks again.
        connect(this, &Checker::checked, &loop, [&loop] {
            if (loop.isRunning())
                loop.exit(ReportedCode);
        });
        if (!isDone())
            endedByQuit = loop.exec() != ReportedCode;
    }
    if (endedByQuit && onApplicationThread())
        QuitNotice::notify();
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
