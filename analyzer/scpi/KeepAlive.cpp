#include "analyzer/scpi/KeepAlive.h"

#include <QAbstractSocket>

#include <utility>

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace KeepAlive {

namespace {

constexpr int idleSeconds = 5;
constexpr int intervalSeconds = 2;
constexpr int probes = 3;

} // namespace

void enable(QAbstractSocket& socket)
{
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef Q_OS_UNIX
    // Without these the system waits two hours before its first probe.
    const int descriptor = static_cast<int>(socket.socketDescriptor());
    for (const auto& [name, value] : {std::pair{TCP_KEEPIDLE, idleSeconds}, std::pair{TCP_KEEPINTVL, intervalSeconds},
                                      std::pair{TCP_KEEPCNT, probes}})
        setsockopt(descriptor, IPPROTO_TCP, name, &value, sizeof value);
#endif
}

} // namespace KeepAlive
