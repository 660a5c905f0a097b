#pragma once

namespace Algorithms {

class FixturePort;

// Puts a port back on the unconverted set that a DUT re-gating starts from: the default
// set after a conversion or an earlier re-gating of it, the offset set after those of the
// offset set; other kinds stay. False when the set to return to is missing.
bool returnToBaseSet(FixturePort& port);

} // namespace Algorithms
