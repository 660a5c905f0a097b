#include "remote/server/RemoteControl.h"

#include "remote/server/RemoteClientBase.h"

#include <QHostAddress>
#include <QNetworkProxy>

namespace Orlix::Automation {

RemoteControl::RemoteControl(QObject* parent) : QObject(parent), m_port(server.serverPort())
{
}

RemoteControl::~RemoteControl()
{
    for (RemoteClientBase* client : findChildren<RemoteClientBase*>(QString(), Qt::FindDirectChildrenOnly))
        client->outliveServer();
    emit closeSockets();
    if (server.isListening())
        server.close();
}

void RemoteControl::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void RemoteControl::setPort(int port)
{
    if (m_port == port)
        return;
    m_port = port;
    emit portChanged();
}

void RemoteControl::onEnabledChanged()
{
    if (!m_enabled) {
        emit closeSockets();
        if (server.isListening())
            server.close();
        return;
    }
    restartListening();
}

void RemoteControl::onPortChanged()
{
    if (m_enabled)
        restartListening();
}

void RemoteControl::restartListening()
{
    // Loopback only: no other computer may drive the application.
    const QHostAddress address(QStringLiteral("127.0.0.1"));
    const QNetworkProxy proxy(QNetworkProxy::NoProxy);
    emit closeSockets();
    if (server.isListening())
        server.close();
    // Cast to 16 bits, a number outside the TCP range would name some other port.
    if (m_port < 0 || m_port > 65535) {
        emit error(tr("The port %1 is not a TCP port number").arg(m_port));
        return;
    }
    server.setProxy(proxy);
    if (!server.listen(address, quint16(m_port))) {
        emit error(server.errorString());
        return;
    }
    emit listen();
}

} // namespace Orlix::Automation
