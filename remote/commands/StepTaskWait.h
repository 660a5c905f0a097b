#pragma once

#include <functional>

class FixtureSetups;
class Step;
class WorkerThread;

namespace Orlix::Automation {

// Starts a step's offset task with `start` and returns once it has ended, so a
// query on the next line sees the new values. 200 when the task failed (a port
// refused the offset) or was dropped. False when `start` posted no task at all
// (nothing to offset).
// GUI thread; events are served meanwhile.
bool runOffsetTask(Step& step, const std::function<void()>& start);

// Clears the step's data on `worker` and returns once the clear has run and its
// results have reached the GUI side, so a query on the next line sees the cleared
// state; 200 when the application quit meanwhile (the clear may have been
// dropped). GUI thread; events are served meanwhile.
void clearStepData(Step& step, WorkerThread& worker);

// Runs a change of the method, the cabling or the connections; when it cleared results
// made under the old ones, returns once those clears have run, as clearStepData does.
void changeMeasuredConditions(FixtureSetups& setups, WorkerThread& worker, const std::function<void()>& change);

} // namespace Orlix::Automation
