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
// the error query reads. The object lives at least as long as its running
// line: a peer that leaves only marks it, and it goes after its last line.
class RemoteClientBase : public QObject
{
    Q_OBJECT
public:
    // Oldest codes are kept when the queue is full, as SCPI instruments do.
    static constexpr int maxQueuedErrors = 100;

    RemoteClientBase(QIODevice* device, QObject* parent);

    // The server is going away. An idle client goes with it and starts no
    // further line; a client whose line still runs (that line may read its
    // error queue) leaves the server's tree and its connection and deletes
    // itself once the line has finished, so nobody has to wait for the line.
    void outliveServer();

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
    bool outlivingServer = false;
};

} // namespace Orlix::Automation
