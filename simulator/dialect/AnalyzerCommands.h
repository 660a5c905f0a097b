#pragma once

#include "simulator/files/StateFile.h"

namespace Simulator {

class ScpiCommandTable;
class SimulatedAnalyzer;

// The analyzer's SCPI command set: identification, sweep and port settings,
// traces, calibration status, fixture simulator and de-embedding, state and
// calibration files, trigger, abort and preset. Every setting has its query.
// Numeric suffixes of channels, traces and ports count from 1.
void addAnalyzerCommands(ScpiCommandTable& table, SimulatedAnalyzer& analyzer, NetworkLoader loadNetwork);

} // namespace Simulator
