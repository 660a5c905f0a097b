#include "remote/commands/StepLookup.h"

#include "app/backend/MainQmlBackend.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/parser/AutomationException.h"

namespace Orlix::Automation {

namespace {

NoltAlgorithmsSetup* setupAt(MainQmlBackend* backend, int setupIndex)
{
    FixtureSetups* setups = backend->getFixtureSetups();
    if (unsigned(setupIndex) >= unsigned(setups->getCount()))
        throw AutomationException(kInvalidSetupIndex);
    return setups->setup(setupIndex);
}

} // namespace

NoltAlgorithmsSetup* firstSetup(MainQmlBackend* backend)
{
    return setupAt(backend, 0);
}

Step* stepAt(MainQmlBackend* backend, int setupIndex, int stepIndex)
{
    NoltAlgorithmsSetup* setup = setupAt(backend, setupIndex);
    if (unsigned(stepIndex) >= unsigned(setup->steps().size()))
        throw AutomationException(kInvalidStepIndex);
    return setup->steps().at(stepIndex).get();
}

} // namespace Orlix::Automation
