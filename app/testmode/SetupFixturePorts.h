#pragma once

#include <vector>

class FixtureSetups;
class QmlFixturePort;
class VNAFixtureConnection;

// The fixtures of every setup, setup by setup and, within a setup, connection
// by connection in step order (both fixtures of a 2x-thru, left first).
std::vector<VNAFixtureConnection*> setupFixtures(const FixtureSetups& setups);

// The result ports of those fixtures, in the same order and each fixture's
// ports in row order.
std::vector<QmlFixturePort*> setupFixturePorts(const std::vector<VNAFixtureConnection*>& fixtures);
