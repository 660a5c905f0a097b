#pragma once

#include "measurement/measurers/FixtureRows.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Offsets on the steps are in picoseconds; the engine's ports hold seconds. All of
// these run on the thread that writes results (the backend worker).
namespace FixtureOffsets {

// Both apply their offsets to every port or to none: when a port refuses, the result
// is false and every port holds what it held before.
// Left and right go to the thru's ports row by row; unequal row counts refuse too, with
// the reason (a refusing port gives its own).
bool applyToThru(const FixtureRows& left, const FixtureRows& right, double leftPs, double rightPs,
                 QString& errorText);
// The offset to every port of a reflect fixture, with a reason only when the port gave
// none of its own.
bool applyToReflect(const FixtureRows& rows, double offsetPs, QString& errorText);

// Whether a port of the rows holds a set moved by an offset.
bool anyOffsetInForce(const FixtureRows& rows);

// A fixture port's calculated length, and the analyzer port it was measured on.
struct PortLength
{
    uint analyzerPort = 0;
    const Algorithms::FixturePort* port = nullptr;
};
using PortLengths = std::vector<PortLength>;
PortLengths lengthsOf(const FixtureRows& rows);

// The thru's reference plane moved onto each reflect standard's: (left average -
// thru average, right average - thru average) of the fixture lengths, in
// picoseconds; no value with the reason when a length is missing.
std::optional<std::pair<double, double>> reflectOffsets(const PortLengths& leftReflect, const PortLengths& rightReflect,
                                                        const PortLengths& thru, QString& errorText);

} // namespace FixtureOffsets
