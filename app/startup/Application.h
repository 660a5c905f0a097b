#pragma once

#include "app/backend/MainQmlBackend.h"
#include "app/startup/Restart.h"

#include <functional>

class Settings;

namespace Startup {

// The program from start to end: settings, display scaling, the application
// object, command line and translations, the terminate handler, the
// declarative engine with the "noltstyle" style, the backend and the main page,
// the remote command set, then the event loop. On the way out the settings are
// saved and everything is torn down (the backend writes its temporary setup
// and closes the analyzer links and the server) before a requested restart
// starts the new instance. Returns the event loop's result.
int runApplication(int& argc, char** argv);

// What a run of the window leaves: the event loop's result and the restart
// that the application object was asked for.
struct WindowRun
{
    int result = 0;
    RestartRequest restart;
};

// One instance from its settings to its restart: `run` builds the application
// object on the settings and runs the window; once it has returned and the
// settings are saved and gone, the restart it asked for is started through `start`.
int runInstance(const std::function<WindowRun(Settings&)>& run, const InstanceStarter& start = startDetached);

// The window's run on the application object that exists: engine, backend,
// main page and remote command set, then the event loop. On return the
// settings are saved and the engine, and with it the backend, is gone.
WindowRun runWindow(Settings& settings, const BackendOptions& options = {});

} // namespace Startup
