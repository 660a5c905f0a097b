#pragma once

#include "simulator/faults/Fault.h"
#include "simulator/world/FixtureWorld.h"

#include <QString>

#include <functional>

namespace Simulator {

class ScpiCommandTable;
class SimulatedAnalyzer;

// What the control commands act on besides the analyzer itself.
struct ControlTargets
{
    std::function<void(FixtureWorld::Arrangement)> selectFixtureWorld;
    std::function<bool(const QString& path)> selectFileWorld;
    std::function<bool(const Fault&)> injectFault;
    std::function<void()> clearFaults;
};

// The simulator's own commands under "SIMulator:", which the application never
// sends: they switch the world, set the sweep time, change the hardware and
// inject faults, so that a test or a person can walk through every step.
void addControlCommands(ScpiCommandTable& table, SimulatedAnalyzer& analyzer, ControlTargets targets);

// One line per control command, for the program's help.
QString controlCommandHelp();

} // namespace Simulator
