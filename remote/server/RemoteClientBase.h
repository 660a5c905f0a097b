#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>

class QIODevice;

namespace Orlix::Automation {

struct ParserChunk;

// One remote-control connection: runs its request lines one at a time on the
// global thread pool, writes each line's answer back before the next line
// starts, and keeps the error codes of failed lines in a bounded queue that
// the error query reads.
class RemoteClientBase : public QObject
{
    Q_OBJECT
public:
    // Oldest codes are kept when the queue is full, as SCPI instruments do.
    static constexpr int maxQueuedErrors = 100;

    RemoteClientBase(QIODevice* device, QObject* parent);
    ~RemoteClientBase() override;

    // Removes and returns the oldest queued code; 0 when none is queued.
    // Called by the error query on the pool thread.
    int takeError();

    // The warning "CMD error" with the code and its text from the error table.
    static void logCommandError(int code);

signals:
    // The peer is gone and every line received from it has finished.
    void interrupted();

public slots:
    void interrupt();
    void onParserThreadFinished();

protected:
    // The next request line, or null when none is pending.
    virtual ParserChunk* takeNextChunk() = 0;
    // Sends a finished line's answer to the peer.
    virtual void writeAnswer(ParserChunk* chunk) = 0;

    // Starts the next pending line unless one is running.
    void startParserThread();
    // Queues a failure that happened outside a line (an overlong line).
    void refuseLine(int code);

    QPointer<QIODevice> device;

protected slots:
    virtual void onReadyRead() = 0;

private:
    static ParserChunk* runChunk(RemoteClientBase* client, ParserChunk* chunk);
    void queueError(int code);
    void finishAfterPeerLeft();

    QMutex errorMutex;
    QList<int> errorQueue;
    QFuture<ParserChunk*> future;
    QFutureWatcher<ParserChunk*> watcher;
    // Set from the start of a line until its answer has been written: the
    // future alone reports "finished" before the watcher delivers the answer.
    bool lineRunning = false;
    bool peerLeft = false;
    bool interruptedSent = false;
};

} // namespace Orlix::Automation
