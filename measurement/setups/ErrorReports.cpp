#include "measurement/setups/ErrorReports.h"

#include "analyzer/threading/WorkerThread.h"

#include <QCoreApplication>

#include <algorithm>

ErrorReports::ErrorReports(WorkerThread* worker, QObject* parent)
    : QObject(parent)
    , m_worker(worker)
{
}

void ErrorReports::report(const QString& text)
{
    auto& shown = *m_shown;
    if (std::any_of(shown.begin(), shown.end(), [&text](const Shown& entry) { return entry.text == text; }))
        return;
    if (m_worker) {
        const std::uint64_t ticket = ++m_lastTicket;
        shown.push_back({text, ticket});
        // Runs after the work the worker is doing now; its release is queued behind every
        // copy that work queued to this thread.
        auto release = [shown = m_shown, ticket] {
            if (QCoreApplication* application = QCoreApplication::instance()) {
                QMetaObject::invokeMethod(
                    application,
                    [shown, ticket] {
                        shown->erase(std::remove_if(shown->begin(), shown->end(),
                                                    [ticket](const Shown& entry) { return entry.ticket == ticket; }),
                                     shown->end());
                    },
                    Qt::QueuedConnection);
            }
        };
        m_worker->post(release, release);
    }
    emit error(text);
}
