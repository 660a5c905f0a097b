#include "remote/commands/VnaRefreshWait.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/Checker.h"
#include "app/backend/MainQmlBackend.h"

namespace Orlix::Automation {

void waitForVnaRefresh(MainQmlBackend* backend)
{
    // The refresh reports also when it is dropped from the worker's queue, so
    // the wait always ends.
    Checker checker;
    backend->getVnaDevice()->refresh([&checker](bool) { checker.report(); });
    checker.wait();
}

} // namespace Orlix::Automation
