#pragma once

namespace Algorithms {

class FixturePort;

// Puts a port back on the unconverted set that a DUT re-gating starts from: the default
// set after a conversion or an earlier re-gating of it, the offset set after those of the
// offset set; other kinds stay. False when the set to return to is missing.
bool returnToBaseSet(FixturePort& port);

// Marks a re-gated set by the grid kind of its result: kinds 0 and 2 become 6 and 7 on a
// low-pass result, 4 and 5 otherwise; other kinds stay.
void markRegatedSet(FixturePort& port, bool lowPass);

} // namespace Algorithms
