#pragma once

#include "measurement/steps/Step.h"
#include "remote/parser/AutomationException.h"

class MainQmlBackend;
class NoltAlgorithmsSetup;

namespace Orlix::Automation {

// The setup that every setup-related command acts on: the first of the list;
// 260 when the list is empty (after the last setup was removed). GUI thread.
NoltAlgorithmsSetup* firstSetup(MainQmlBackend* backend);

// The step at a 0-based position of a setup's step list: 260 for a bad setup
// index, 261 for a bad step index (negative included). GUI thread.
Step* stepAt(MainQmlBackend* backend, int setupIndex, int stepIndex);

// The step as the class a command needs, else 262.
template<typename T>
T* findStep(MainQmlBackend* backend, int setupIndex, int stepIndex)
{
    T* step = qobject_cast<T*>(stepAt(backend, setupIndex, stepIndex));
    if (!step)
        throw AutomationException(262);
    return step;
}

} // namespace Orlix::Automation
