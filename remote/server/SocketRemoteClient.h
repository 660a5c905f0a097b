#pragma once

#include "remote/server/RemoteClientBase.h"
#include "remote/server/RequestLineSplitter.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpSocket>

namespace Orlix::Automation {

class SocketRemoteControl;

// A remote-control client on a TCP socket. It reads only while few lines are
// waiting and starts a line only while few answer bytes are unsent, so a
// flood of lines, or a peer that never reads its answers, is held back by TCP
// instead of piling up here.
class SocketRemoteClient : public RemoteClientBase
{
    Q_OBJECT
public:
    static constexpr int maxLineLength = 64 * 1024;
    static constexpr int maxPendingLines = 64;
    // Bytes the socket keeps unread at most before TCP holds the peer back.
    static constexpr qint64 socketReadBufferSize = 256 * 1024;
    static constexpr qint64 maxUnsentAnswerBytes = 1024 * 1024;

    SocketRemoteClient(QTcpSocket* socket, SocketRemoteControl* parent);

protected:
    ParserChunk* takeNextChunk() override;
    void writeAnswer(ParserChunk* chunk) override;

protected slots:
    void onReadyRead() override;

private slots:
    void onAnswerBytesWritten();

private:
    // Moves complete lines from the socket to pendingLines while there is room.
    void readLines();

    QPointer<QTcpSocket> socket;
    QList<QByteArray> pendingLines;
    RequestLineSplitter splitter{maxLineLength};
};

} // namespace Orlix::Automation
