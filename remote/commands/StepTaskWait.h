#pragma once

#include <functional>

class Step;

namespace Orlix::Automation {

// Starts a step's offset task with `start` and returns once it has ended, so a
// query on the next line sees the new values. 200 when the task failed (a port
// refused the offset) or was dropped. False when `start` posted no task at all
// (nothing to offset).
// GUI thread; events are served meanwhile.
bool runOffsetTask(Step& step, const std::function<void()>& start);

// Clears the step's data and returns once the step reports it no longer
// measured, so a query on the next line sees the cleared state. GUI thread.
void clearStepData(Step& step);

} // namespace Orlix::Automation
