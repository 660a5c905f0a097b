#pragma once

#include "simulator/server/ReplyPlan.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class QTcpSocket;

namespace Simulator {

// One client's TCP connection. Lines are carried out strictly in order: while a
// reply is held (a pending "*OPC?", a late or split reply) the lines after it wait
// in the connection, while other connections go on being served.
class ClientConnection : public QObject
{
    Q_OBJECT

public:
    // Carries out one line and says how to answer it.
    using LineHandler = std::function<ReplyPlan(int connectionId, const QString& line)>;
    using IdleTest = std::function<bool()>;

    ClientConnection(int id, QTcpSocket* socket, LineHandler handleLine, IdleTest isIdle, QObject* parent);

    int id() const { return m_id; }
    // The analyzer has become idle: a held "*OPC?" reply may leave now.
    void resumeWhenIdle();
    // Closes the connection at once.
    void drop();

signals:
    // Every line as it arrives, without its "\n".
    void lineReceived(int connectionId, const QString& line);
    void closed(int connectionId);

private:
    void readLines();
    void processLines();
    void deliver(ReplyPlan plan);
    void writePieces(QList<QByteArray> pieces, int gapMs);
    void finishReply();
    void announceClosed();

    int m_id;
    QTcpSocket* m_socket;
    LineHandler m_handleLine;
    IdleTest m_isIdle;
    QByteArray m_received;
    std::deque<QString> m_lines;
    bool m_busy = false;
    bool m_closed = false;
    std::optional<ReplyPlan> m_heldUntilIdle;
};

} // namespace Simulator
