#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace Orlix::Automation {

class BridgeCall;

// Where bridged work ends: exactly one of a reply or an error code reaches the
// waiting pool thread. Dropping the last handle of work that never finished
// (the queued call discarded, a deferred change dropped at shutdown) reports
// 200, so a client never takes silence for success.
class BridgeTicket
{
public:
    explicit BridgeTicket(std::shared_ptr<BridgeCall> call);
    BridgeTicket(const BridgeTicket&) = delete;
    BridgeTicket& operator=(const BridgeTicket&) = delete;
    ~BridgeTicket();

    void reply(const QString& text);
    void fail(int code);
    // Runs the work, turning every exception into a code: AutomationException
    // keeps its own, anything else is an execution error. True on success.
    bool run(const std::function<QString()>& work);

private:
    std::shared_ptr<BridgeCall> m_call;
};

using TicketHandle = std::shared_ptr<BridgeTicket>;

// Runs `start` on the context object's thread (the GUI thread) and blocks the
// calling pool thread until the ticket reports; a code is raised again here as
// AutomationException. `start` may finish the ticket at once or keep it for
// later. While blocked the pool thread is handed back to the pool, so clients
// waiting on long work never starve the others.
QString runInGuiThread(QObject* context, std::function<void(const TicketHandle&)> start);

// The work's text, or its code raised again on this thread.
QString runQueryInGuiThread(QObject* context, std::function<QString()> work);
void runCommandInGuiThread(QObject* context, std::function<void()> work);

// Once the application is told to quit, bridged work is refused and queued work
// that has not started is answered with an error. Called through the quit notice,
// told by whoever learns of the quit first (a wait of the GUI thread, the closed
// window, the main loop's end).
void stopAcceptingRemoteWork();
bool acceptsRemoteWork();
// Resets the flag for a new application run in the same process.
void startAcceptingRemoteWork();

} // namespace Orlix::Automation
