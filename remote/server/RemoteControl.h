#pragma once

#include <QObject>
#include <QString>
#include <QTcpServer>

namespace Orlix::Automation {

// The remote-control server's switch and port, as the settings page binds
// them. Every switch on and every port change while on closes the connected
// clients and listens again; nothing of it is stored beyond the current run.
class RemoteControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(int port READ port WRITE setPort NOTIFY portChanged)
public:
    explicit RemoteControl(QObject* parent = nullptr);
    ~RemoteControl() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int port() const { return m_port; }
    void setPort(int port);
    bool isListening() const { return server.isListening(); }

signals:
    void error(QString msg);
    void listen();
    void stateDescription(QString msg);
    void closeSockets();
    void enabledChanged();
    void portChanged();

public slots:
    virtual void acceptConnection() = 0;
    virtual void onEnabledChanged();
    virtual void onPortChanged();

protected:
    QTcpServer server;

private:
    void restartListening();

    bool m_enabled = false;
    int m_port;
};

} // namespace Orlix::Automation
