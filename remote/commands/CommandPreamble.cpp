#include "remote/commands/CommandPreamble.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/parser/AutomationException.h"

namespace Orlix::Automation {

void requireBackend(const MainQmlBackend* backend)
{
    if (!backend)
        throw AutomationException(kRootApplicationError);
}

void requireAnalyzerAnswered(const MainQmlBackend* backend)
{
    if (!backend->getVnaDevice()->isReady())
        throw AutomationException(kAnalyzerNotReady);
}

void runPreamble(const MainQmlBackend* backend, Preamble preamble)
{
    requireBackend(backend);
    // Once the main loop has ended the backend is being torn down: leave it alone.
    if (!acceptsRemoteWork())
        throw AutomationException(kExecutionError);
    if (preamble == Preamble::Full)
        requireAnalyzerAnswered(backend);
}

QString bridgedQuery(MainQmlBackend* backend, std::function<QString()> work, Preamble preamble)
{
    runPreamble(backend, preamble);
    return runQueryInGuiThread(backend, [backend, work = std::move(work)] {
        // Once the backend has begun to tear down, its objects may be half gone.
        if (backend->busyGate()->isShutDown())
            throw AutomationException(kExecutionError);
        return work();
    });
}

void bridgedCommand(MainQmlBackend* backend, std::function<void()> work, Preamble preamble)
{
    runPreamble(backend, preamble);
    runInGuiThread(backend, [backend, work = std::move(work)](const TicketHandle& ticket) {
        BusyGate* gate = backend->busyGate();
        const bool admitted = gate->whenIdle([gate, ticket, work] {
            // The client is answered before the hold ends, so the next waiting
            // command (run when the hold ends) does not delay this one's reply.
            BusyGate::Hold hold = gate->hold();
            ticket->run([&work] {
                work();
                return QString();
            });
        });
        if (!admitted)
            ticket->fail(kExecutionError);
    });
}

} // namespace Orlix::Automation
