#pragma once

class MainQmlBackend;

namespace Orlix::Automation {

// Returns once a complete refresh of the analyzer's cached values, posted behind
// everything already sent to the analyzer, has ended, so the next query sees
// what the analyzer really took. GUI thread; events are served meanwhile.
void waitForVnaRefresh(MainQmlBackend* backend);

} // namespace Orlix::Automation
