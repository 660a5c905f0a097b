#pragma once

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

class QTcpSocket;
class QTimer;

// One TCP connection to the analyzer's SCPI port: connect with a time limit,
// write command lines, and query one reply line, with or without a time limit,
// in a local event loop that another thread's interrupt() can cut short.
// Used only on the thread it lives on.
class ScpiDevice : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultConnectTimeLimit{3000};
    // The longest wait for a reply once the analyzer is given a budget.
    static constexpr std::chrono::milliseconds QuitReplyLimit{3000};
    // Far above the longest reply of the analyzer (a trace of 100001 points is about
    // 5 MB); a longer one is no reply at all, and the memory it may take is bounded.
    static constexpr int MaxReplyBytes = 32 * 1024 * 1024;

    explicit ScpiDevice(QObject* parent = nullptr,
                        std::chrono::milliseconds connectTimeLimit = DefaultConnectTimeLimit);

    // True when connected to this peer afterwards. Connected to another peer:
    // starts closing and returns false; the next call connects to the new peer.
    bool connectToHost(const QString& address, quint16 port);
    void disconnectFromHost();
    bool isConnected() const;

    // The command carries its own line end. False without a report when unconnected.
    bool write(const QString& command);
    // One reply line, simplified; no value on timeout, interruption, a lost link or a
    // reply longer than MaxReplyBytes. A reply given up on drops the connection and opens
    // a new one at once, so that it can never answer a later query; only a new
    // connection that fails is announced as a loss.
    std::optional<QString> query(const QString& command, int timeoutMs);
    // As above without a time limit (the operation-complete query).
    std::optional<QString> query(const QString& command);

    // The analyzer is given `budget` from now for everything still to come: the
    // exchange waiting now and every later exchange or connection ends by then at
    // the latest, and later ones fail at once; the first query left unanswered or
    // connection refused meanwhile ends the budget at once, and no query waits
    // longer than QuitReplyLimit, the operation-complete one included. For the quit, so that
    // an analyzer that does not answer cannot hold the program.
    void giveUpAfter(std::chrono::milliseconds budget);

public slots:
    void interrupt();

signals:
    void error(QString message);
    void interrupted();
    void stateChanged(QAbstractSocket::SocketState state);
    void disconnected();

private:
    std::optional<QString> exchange(const QString& command, QTimer* timer);
    bool isGivenUp() const;
    void abandonReply();
    void reportExchangeError(const QString& command);

    QTcpSocket* m_socket;
    std::chrono::milliseconds m_connectTimeLimit;
    bool m_interrupted = false;
    // Runs out when the analyzer is given up on; inactive until then.
    QTimer* m_giveUp;
    bool m_givenUp = false;
    // While a connection is replaced its state changes are not passed on.
    bool m_reopening = false;
    QHostAddress m_peerAddress;
    quint16 m_peerPort = 0;
};
