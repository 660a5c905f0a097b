#include "remote/server/SocketRemoteClient.h"

#include "remote/server/ParserChunk.h"
#include "remote/server/SocketRemoteControl.h"

namespace Orlix::Automation {

namespace {

constexpr int kInputBufferFull = 115;
constexpr qint64 kReadChunkSize = 16 * 1024;

} // namespace

SocketRemoteClient::SocketRemoteClient(QTcpSocket* socket, SocketRemoteControl* parent)
    : RemoteClientBase(socket, parent), socket(socket)
{
    socket->setReadBufferSize(socketReadBufferSize);
    connect(socket, &QIODevice::bytesWritten, this, &SocketRemoteClient::onAnswerBytesWritten);
}

void SocketRemoteClient::onReadyRead()
{
    readLines();
    startParserThread();
}

void SocketRemoteClient::readLines()
{
    while (device && pendingLines.size() < maxPendingLines && device->bytesAvailable() > 0) {
        const int refused = splitter.feed(device->read(kReadChunkSize), pendingLines);
        for (int i = 0; i < refused; ++i)
            refuseLine(kInputBufferFull);
    }
}

void SocketRemoteClient::onAnswerBytesWritten()
{
    startParserThread();
}

ParserChunk* SocketRemoteClient::takeNextChunk()
{
    if (socket && socket->state() == QAbstractSocket::ConnectedState
        && socket->bytesToWrite() > maxUnsentAnswerBytes)
        return nullptr;
    readLines();
    if (pendingLines.isEmpty())
        return nullptr;
    auto* chunk = new ParserChunk;
    chunk->command = pendingLines.takeFirst();
    return chunk;
}

void SocketRemoteClient::writeAnswer(ParserChunk* chunk)
{
    if (chunk->answer.isEmpty())
        return;
    chunk->answer.append('\n');
    if (socket && socket->isOpen()) {
        socket->write(chunk->answer);
        socket->flush();
    }
    chunk->answer.clear();
}

} // namespace Orlix::Automation
