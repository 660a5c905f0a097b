#include "simulator/server/ClientConnection.h"

#include <QTcpSocket>
#include <QTimer>

namespace Simulator {

ClientConnection::ClientConnection(int id, QTcpSocket* socket, LineHandler handleLine, IdleTest isIdle,
                                   QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_socket(socket)
    , m_handleLine(std::move(handleLine))
    , m_isIdle(std::move(isIdle))
{
    m_socket->setParent(this);
    // Each write leaves as its own segment, so split replies really arrive in pieces.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, &ClientConnection::readLines);
    connect(m_socket, &QTcpSocket::disconnected, this, &ClientConnection::announceClosed);
}

void ClientConnection::announceClosed()
{
    if (m_closed)
        return;
    m_closed = true;
    emit closed(m_id);
}

void ClientConnection::drop()
{
    m_lines.clear();
    m_heldUntilIdle.reset();
    m_busy = true;
    m_socket->abort();
    announceClosed();
}

void ClientConnection::readLines()
{
    m_received += m_socket->readAll();
    int end = m_received.indexOf('\n');
    while (end >= 0) {
        const QString line = QString::fromLocal8Bit(m_received.left(end));
        m_received.remove(0, end + 1);
        emit lineReceived(m_id, line);
        m_lines.push_back(line);
        end = m_received.indexOf('\n');
    }
    processLines();
}

void ClientConnection::processLines()
{
    while (!m_busy && !m_lines.empty() && m_socket->state() == QAbstractSocket::ConnectedState) {
        const QString line = m_lines.front();
        m_lines.pop_front();
        deliver(m_handleLine(m_id, line));
    }
}

void ClientConnection::deliver(ReplyPlan plan)
{
    if (plan.dropConnection) {
        drop();
        return;
    }
    if (!plan.reply)
        return;
    m_busy = true;
    if (plan.waitForIdle && !m_isIdle()) {
        m_heldUntilIdle = plan;
        return;
    }
    if (plan.delayMs > 0) {
        const int delay = plan.delayMs;
        plan.waitForIdle = false;
        plan.delayMs = 0;
        QTimer::singleShot(delay, this, [this, plan] { deliver(plan); });
        return;
    }

    QByteArray bytes = (*plan.reply + "\n").toLocal8Bit();
    if (plan.doubled)
        bytes += bytes;
    QList<QByteArray> pieces;
    const int count = std::max(1, std::min(plan.segments, bytes.size()));
    const int size = (bytes.size() + count - 1) / count;
    for (int start = 0; start < bytes.size(); start += size)
        pieces.append(bytes.mid(start, size));
    writePieces(pieces, plan.segmentGapMs);
}

void ClientConnection::writePieces(QList<QByteArray> pieces, int gapMs)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    m_socket->write(pieces.takeFirst());
    m_socket->flush();
    if (pieces.isEmpty()) {
        finishReply();
        return;
    }
    QTimer::singleShot(gapMs, this, [this, pieces, gapMs] { writePieces(pieces, gapMs); });
}

void ClientConnection::finishReply()
{
    m_busy = false;
    processLines();
}

void ClientConnection::resumeWhenIdle()
{
    if (!m_heldUntilIdle || !m_isIdle())
        return;
    ReplyPlan plan = *m_heldUntilIdle;
    m_heldUntilIdle.reset();
    plan.waitForIdle = false;
    deliver(plan);
}

} // namespace Simulator
