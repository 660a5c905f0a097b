#pragma once

class NoltAlgorithmsSetup;
class VNAFixtureConnection;

namespace Orlix::Automation {

// LEFT is fixture "A" with its auxiliary fixture; RIGHT is fixture "B".
enum class FixtureSide { Left, Right };

bool sideEnabled(const NoltAlgorithmsSetup& setup, FixtureSide side);
void setSideEnabled(NoltAlgorithmsSetup& setup, FixtureSide side, bool enabled);
// The 2x-thru between the side's fixture and its auxiliary fixture.
bool auxThruEnabled(const NoltAlgorithmsSetup& setup, FixtureSide side);
void setAuxThruEnabled(NoltAlgorithmsSetup& setup, FixtureSide side, bool enabled);
VNAFixtureConnection* sideConnection(const NoltAlgorithmsSetup& setup, FixtureSide side, bool aux);

// The checks shared by every command on a side: 269 when the side's fixture is
// disabled; with `aux`, 270 when its auxiliary 2x-thru is off.
void requireSide(const NoltAlgorithmsSetup& setup, FixtureSide side, bool aux);
// 221 unless the fixture port lies below the connection's fixture's port count.
void requireFixturePort(const VNAFixtureConnection& connection, unsigned fixturePort);

} // namespace Orlix::Automation
