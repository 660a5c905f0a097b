#include "remote/server/RemoteClientBase.h"

#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ErrorMessages.h"
#include "remote/server/ParserChunk.h"

#include <QDebug>
#include <QIODevice>
#include <QMutexLocker>
#include <QThreadPool>
#include <QtConcurrent>

#include <exception>

namespace Orlix::Automation {

namespace {

constexpr int kExecutionError = 200;

} // namespace

RemoteClientBase::RemoteClientBase(QIODevice* device, QObject* parent) : QObject(parent), device(device)
{
    connect(device, &QIODevice::readyRead, this, &RemoteClientBase::onReadyRead);
    connect(&watcher, &QFutureWatcherBase::finished, this, &RemoteClientBase::onParserThreadFinished);
}

void RemoteClientBase::outliveServer()
{
    // Closing the connection must start no further line.
    if (device)
        disconnect(device, nullptr, this, nullptr);
    if (!lineRunning)
        return;
    outlivingServer = true;
    device = nullptr;
    setParent(nullptr);
}

int RemoteClientBase::takeError()
{
    QMutexLocker lock(&errorMutex);
    return errorQueue.isEmpty() ? 0 : errorQueue.takeFirst();
}

void RemoteClientBase::logCommandError(int code)
{
    initErrorMessages();
    QByteArray text = QByteArray::number(code) + ' ';
    text += errorMessage(code).toLatin1();
    qWarning() << "CMD error" << text;
}

void RemoteClientBase::interrupt()
{
    peerLeft = true;
    // Lines held back while the peer was not reading its answers are still
    // executed; the client goes once none is left.
    startParserThread();
}

void RemoteClientBase::onParserThreadFinished()
{
    ParserChunk* chunk = future.result();
    lineRunning = false;
    if (outlivingServer) {
        delete chunk;
        deleteLater();
        return;
    }
    writeAnswer(chunk);
    if (chunk->hasError)
        queueError(chunk->errorCode);
    delete chunk;
    startParserThread();
}

void RemoteClientBase::startParserThread()
{
    if (lineRunning)
        return;
    ParserChunk* chunk = takeNextChunk();
    if (!chunk) {
        if (peerLeft)
            finishAfterPeerLeft();
        return;
    }
    lineRunning = true;
    future = QtConcurrent::run(QThreadPool::globalInstance(), &RemoteClientBase::runChunk, this, chunk);
    watcher.setFuture(future);
}

void RemoteClientBase::refuseLine(int code)
{
    logCommandError(code);
    queueError(code);
}

ParserChunk* RemoteClientBase::runChunk(RemoteClientBase* client, ParserChunk* chunk)
{
    try {
        qDebug() << "CMD started" << chunk->command;
        DeviceFunctions functions(client, &chunk->answer, nullptr);
        functions.ParseMessage(chunk->command);
        qDebug() << "CMD finished" << chunk->command;
    } catch (const AutomationException& e) {
        chunk->hasError = true;
        chunk->errorCode = e.code();
    } catch (const std::exception& e) {
        // A handler failed in a way it should have reported with a code: the
        // client learns it as an execution error, the program goes on.
        qDebug() << "CMD exception" << e.what();
        chunk->hasError = true;
        chunk->errorCode = kExecutionError;
    } catch (...) {
        chunk->hasError = true;
        chunk->errorCode = kExecutionError;
    }
    if (chunk->hasError)
        logCommandError(chunk->errorCode);
    return chunk;
}

void RemoteClientBase::queueError(int code)
{
    QMutexLocker lock(&errorMutex);
    if (errorQueue.size() < maxQueuedErrors)
        errorQueue.append(code);
}

void RemoteClientBase::finishAfterPeerLeft()
{
    if (interruptedSent)
        return;
    interruptedSent = true;
    emit interrupted();
}

} // namespace Orlix::Automation
