#include "analyzer/scpi/ScpiDevice.h"

#include "analyzer/scpi/KeepAlive.h"

#include <QDebug>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

ScpiDevice::ScpiDevice(QObject* parent, std::chrono::milliseconds connectTimeLimit)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
    , m_connectTimeLimit(connectTimeLimit)
    , m_giveUp(new QTimer(this))
{
    m_giveUp->setSingleShot(true);
    m_giveUp->setTimerType(Qt::PreciseTimer);
    connect(m_giveUp, &QTimer::timeout, this, [this] { m_givenUp = true; });
    qRegisterMetaType<QAbstractSocket::SocketState>("QAbstractSocket::SocketState");
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->setReadBufferSize(MaxReplyBytes);
    connect(m_socket, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        if (!m_reopening)
            emit stateChanged(state);
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        if (!m_reopening)
            emit disconnected();
    });
}

bool ScpiDevice::connectToHost(const QString& address, quint16 port)
{
    const QHostAddress host(address);
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        if (m_socket->peerAddress() == host && m_socket->peerPort() == port)
            return true;
        disconnectFromHost();
        return false;
    }
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_peerAddress = host;
    m_peerPort = port;
    if (isGivenUp())
        return false;

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    m_socket->connectToHost(host, port, QIODevice::ReadWrite);
    limit.start(m_connectTimeLimit);
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        loop.exec();

    // While the budget runs, an analyzer that does not take the connection is given up on.
    if (!isConnected() && m_giveUp->isActive())
        m_givenUp = true;
    if (isConnected()) {
        // Commands are short lines often followed by a query: without this, each
        // query would wait for the acknowledgement of the commands before it.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // "*OPC?" waits without a time limit: an analyzer that vanishes without
        // closing the connection must still end that wait.
        KeepAlive::enable(*m_socket);
        return true;
    }
    m_socket->abort();
    return false;
}

void ScpiDevice::disconnectFromHost()
{
    m_socket->disconnectFromHost();
}

bool ScpiDevice::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

bool ScpiDevice::write(const QString& command)
{
    if (!isConnected())
        return false;
    const QByteArray bytes = command.toLocal8Bit();
    if (m_socket->write(bytes) != bytes.size()) {
        reportExchangeError(command);
        return false;
    }
    m_socket->flush();
    return true;
}

std::optional<QString> ScpiDevice::query(const QString& command, int timeoutMs)
{
    QTimer limit;
    limit.setSingleShot(true);
    limit.setInterval(timeoutMs);
    return exchange(command, &limit);
}

std::optional<QString> ScpiDevice::query(const QString& command)
{
    return exchange(command, nullptr);
}

std::optional<QString> ScpiDevice::exchange(const QString& command, QTimer* limit)
{
    // Lines of earlier, abandoned exchanges are not answers to this one.
    if (m_socket->isOpen())
        m_socket->readAll();
    if (isGivenUp() || !write(command))
        return std::nullopt;

    m_interrupted = false;
    // While the budget runs, a query without a limit waits no longer than a timed one:
    // the interrupt of the quit may have come before it and ended nothing.
    QTimer quitLimit;
    if (!limit && m_giveUp->isActive()) {
        quitLimit.setSingleShot(true);
        quitLimit.setInterval(QuitReplyLimit);
        limit = &quitLimit;
    }
    QEventLoop loop;
    connect(m_socket, &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(this, &ScpiDevice::interrupted, &loop, &QEventLoop::quit);
    connect(m_giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (limit) {
        connect(limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit->start();
    }
    while (!m_socket->canReadLine()) {
        loop.exec();
        if (m_interrupted) {
            m_interrupted = false;
            abandonReply();
            return std::nullopt;
        }
        if (!isConnected())
            return std::nullopt;
        if ((limit && !limit->isActive()) || isGivenUp()) {
            // Once the budget runs, the first query left unanswered ends it: an analyzer
            // that does not answer gets no more time.
            if (m_giveUp->isActive())
                m_givenUp = true;
            abandonReply();
            return std::nullopt;
        }
        // The read buffer is full and holds no line end.
        if (m_socket->bytesAvailable() >= MaxReplyBytes && !m_socket->canReadLine()) {
            reportExchangeError(command);
            abandonReply();
            return std::nullopt;
        }
    }

    const QByteArray line = m_socket->readLine();
    if (line.isEmpty()) {
        reportExchangeError(command);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(line.simplified());
}

void ScpiDevice::giveUpAfter(std::chrono::milliseconds budget)
{
    // Given up on already: the earlier time stands.
    if (m_giveUp->isActive() || m_givenUp)
        return;
    m_giveUp->start(budget);
}

bool ScpiDevice::isGivenUp() const
{
    return m_givenUp;
}

void ScpiDevice::interrupt()
{
    m_interrupted = true;
    emit interrupted();
}

void ScpiDevice::abandonReply()
{
    if (!isConnected())
        return;
    m_reopening = true;
    m_socket->abort();
    const bool reopened = connectToHost(m_peerAddress.toString(), m_peerPort);
    m_reopening = false;
    if (!reopened) {
        emit stateChanged(m_socket->state());
        emit disconnected();
    }
}

void ScpiDevice::reportExchangeError(const QString& command)
{
    const QString text = tr("The error during data exchange with VNA has been occurred") + " " + command;
    qDebug().noquote() << text;
    emit error(text);
}
