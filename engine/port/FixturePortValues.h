#pragma once

#include "engine/port/FixturePort.h"

#include <optional>

namespace Algorithms {

// Scalars of a port for the remote queries and the chart-ready port.
std::optional<double> fixtureGatingValue(const FixturePort& port);
// Empty without conversion or step response.
std::optional<double> fixtureImpedanceValue(const FixturePort& port);
// Where the fixture impedance was read; empty without conversion or valid step response.
std::optional<double> validStepResponseValue(const FixturePort& port);

} // namespace Algorithms
