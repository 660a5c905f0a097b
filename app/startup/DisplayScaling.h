#pragma once

class Settings;

namespace Startup {

// Exports the stored display scaling as QT_SCALE_FACTOR, which the framework
// reads when the application object is created; without one the environment
// stays as it is.
void applyStoredScaling(const Settings& settings);

} // namespace Startup
