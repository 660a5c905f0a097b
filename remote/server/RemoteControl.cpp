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
    server.setProxy(proxy);
    if (!server.listen(address, quint16(m_port))) {
        emit error(server.errorString());
        return;
    }
    emit listen();
}

} // namespace Orlix::Automation
