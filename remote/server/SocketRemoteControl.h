#pragma once

#include "remote/server/RemoteControl.h"

namespace Orlix::Automation {

// The SCPI remote-control server on 127.0.0.1: one SocketRemoteClient child
// per accepted connection. Listens from construction on.
class SocketRemoteControl : public RemoteControl
{
    Q_OBJECT
public:
    SocketRemoteControl(QObject* parent, int port);

public slots:
    void acceptConnection() override;
};

} // namespace Orlix::Automation
