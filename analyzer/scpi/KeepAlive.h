#pragma once

class QAbstractSocket;

namespace KeepAlive {

// Has the system probe a connected peer that stays silent and end the connection when
// the peer no longer answers: after 5 s of silence, a probe every 2 s, at most 3 lost.
void enable(QAbstractSocket& socket);

} // namespace KeepAlive
