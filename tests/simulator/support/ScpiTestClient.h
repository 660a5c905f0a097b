#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <optional>

// A plain TCP client of the simulator: writes lines and waits for reply lines
// while the event loop (and so an in-process simulator) keeps running.
class ScpiTestClient
{
public:
    bool connectTo(quint16 port, int timeoutMs = 2000)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (!waitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, timeoutMs))
            return false;
        // Small lines leave at once instead of waiting for the previous one's acknowledgement.
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }

    void send(const QString& line)
    {
        m_socket.write((line + "\n").toLocal8Bit());
        m_socket.flush();
    }

    // The next reply line without its "\n", or no value when none arrives in time.
    std::optional<QString> readLine(int timeoutMs = 2000)
    {
        if (!waitFor([this] { return m_socket.canReadLine(); }, timeoutMs))
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
        return waitFor([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, timeoutMs);
    }

    // Runs the event loop until the condition holds, re-testing it whenever the
    // socket reports something; false when the time runs out first.
    bool waitFor(const std::function<bool()>& condition, int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
            QObject::connect(&m_socket, &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
            QObject::connect(&m_socket, &QTcpSocket::stateChanged, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
};
