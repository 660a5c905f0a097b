#include "remote/server/SocketRemoteControl.h"

#include "remote/server/SocketRemoteClient.h"

#include <QDebug>
#include <QTcpSocket>

namespace Orlix::Automation {

SocketRemoteControl::SocketRemoteControl(QObject* parent, int port) : RemoteControl(parent)
{
    connect(&server, &QTcpServer::newConnection, this, &SocketRemoteControl::acceptConnection);
    connect(this, &RemoteControl::enabledChanged, this, &RemoteControl::onEnabledChanged);
    connect(this, &RemoteControl::portChanged, this, &RemoteControl::onPortChanged);
    setPort(port);
    setEnabled(true);
}

void SocketRemoteControl::acceptConnection()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        auto* client = new SocketRemoteClient(socket, this);
        connect(socket, &QAbstractSocket::disconnected, client, &RemoteClientBase::interrupt);
        connect(client, &RemoteClientBase::interrupted, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, client, &QObject::deleteLater);
        connect(socket, &QAbstractSocket::disconnected, socket,
                [socket]() { qInfo() << "\033[31mDisconnection\033[0m on socket" << socket; });
        connect(this, &RemoteControl::closeSockets, socket, &QAbstractSocket::close);
        emit stateDescription(tr("Accepted connection"));
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    }
}

} // namespace Orlix::Automation
