#include "measurement/setups/ErrorReports.h"

#include "analyzer/threading/WorkerThread.h"

#include <QCoreApplication>

ErrorReports::ErrorReports(WorkerThread* worker, QObject* parent)
    : QObject(parent)
    , m_worker(worker)
{
}

void ErrorReports::report(const QString& text)
{
    if (m_shown->contains(text))
        return;
    if (m_worker) {
        m_shown->insert(text);
        // Runs after the work the worker is doing now; its release is queued behind every
        // copy that work queued to this thread. A text is held once at a time, so this
        // release is the only one pending for it.
        auto release = [shown = m_shown, text] {
            if (QCoreApplication* application = QCoreApplication::instance())
                QMetaObject::invokeMethod(application, [shown, text] { shown->remove(text); }, Qt::QueuedConnection);
        };
        m_worker->post(release, release);
    }
    emit error(text);
}
