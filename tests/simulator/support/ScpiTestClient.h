#pragma once

#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

#include <optional>

// A plain TCP client of the simulator: writes lines and waits for reply lines
// while the event loop (and so an in-process simulator) keeps running.
class ScpiTestClient
{
public:
    bool connectTo(quint16 port, int timeoutMs = 2000)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs);
    }

    void send(const QString& line)
    {
        m_socket.write((line + "\n").toLocal8Bit());
        m_socket.flush();
    }

    // The next reply line without its "\n", or no value when none arrives in time.
    std::optional<QString> readLine(int timeoutMs = 2000)
    {
        if (!QTest::qWaitFor([this] { return m_socket.canReadLine(); }, timeoutMs))
            return std::nullopt;
        return QString::fromLocal8Bit(m_socket.readLine()).chopped(1);
    }

    std::optional<QString> query(const QString& line, int timeoutMs = 2000)
    {
        send(line);
        return readLine(timeoutMs);
    }

    // Whether the peer closes the connection within the time.
    bool waitForClose(int timeoutMs = 2000)
    {
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, timeoutMs);
    }

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
};
