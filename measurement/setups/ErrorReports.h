#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>

class WorkerThread;

// Passes a setup's errors on to the user, each event once. One event can reach the
// setup by several routes: a fixture port's error comes through the port and again
// through every process that watches the port, its measurer and its step, each copy
// queued from the backend worker while the work that caused it runs. A text is held
// back while it is already shown for the work running on the worker, and accepted
// again once the worker has gone past that work: by then every copy has arrived.
class ErrorReports : public QObject
{
    Q_OBJECT

public:
    explicit ErrorReports(WorkerThread* worker, QObject* parent = nullptr);

    // GUI thread.
    void report(const QString& text);

signals:
    void error(QString text);

private:
    QPointer<WorkerThread> m_worker;
    // Shared with the markers queued on the worker; read and written on the GUI thread only.
    std::shared_ptr<QSet<QString>> m_shown = std::make_shared<QSet<QString>>();
};
