#pragma once

class MainQmlBackend;

namespace Orlix::Automation {

// Registers the application's command set, bound to the backend, once per
// process before the event loop starts. From then on bridged work is accepted
// until the quit is told (QuitNotice), which the start-up also tells when the
// application's main loop ends.
void registerNoltScpiCommands(MainQmlBackend* backend);

} // namespace Orlix::Automation
