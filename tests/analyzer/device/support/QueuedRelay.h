#pragma once

#include <QObject>

// Re-emits, queued on the thread that created it, a signal that another thread
// emits, so that a QSignalSpy watching the relay is touched by one thread only.
class QueuedRelay : public QObject
{
    Q_OBJECT
public:
    template <typename Sender, typename Signal>
    QueuedRelay(const Sender* sender, Signal signal)
    {
        connect(sender, signal, this, &QueuedRelay::relayed, Qt::QueuedConnection);
    }

signals:
    void relayed();
};
