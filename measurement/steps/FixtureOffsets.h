#pragma once

#include "engine/port/FixturePort.h"
#include "measurement/measurers/FixtureRows.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Offsets on the steps are in picoseconds; the engine's ports hold seconds. All of
// these run on the thread that writes results (the backend worker).
namespace FixtureOffsets {

// Offsets that every port took to work out and none has taken yet.
class PreparedOffsets
{
public:
    void add(Algorithms::FixturePort* port, Algorithms::FixturePort::PreparedOffset offset);
    // Every port takes its offset.
    void take() const;
    bool empty() const { return m_ports.empty(); }

private:
    std::vector<std::pair<Algorithms::FixturePort*, Algorithms::FixturePort::PreparedOffset>> m_ports;
};

// Left and right worked out for the thru's ports row by row, changing none; no value when
// a port refuses (it gives its own reason) or the row counts differ (with the reason).
std::optional<PreparedOffsets> prepareForThru(const FixtureRows& left, const FixtureRows& right, double leftPs,
                                              double rightPs, QString& errorText);

// Both apply their offsets to every port or to none: when a port refuses, the result
// is false and every port holds what it held before.
// Left and right go to the thru's ports row by row, as prepareForThru works them out.
bool applyToThru(const FixtureRows& left, const FixtureRows& right, double leftPs, double rightPs,
                 QString& errorText);
// The offset to every port of a reflect fixture, with a reason only when the port gave
// none of its own.
bool applyToReflect(const FixtureRows& rows, double offsetPs, QString& errorText);

// Whether a port of the rows holds a set moved by an offset.
bool anyOffsetInForce(const FixtureRows& rows);

// A fixture port's calculated length in seconds, and the analyzer port it was measured on.
struct PortLength
{
    uint analyzerPort = 0;
    std::optional<double> length;
};
using PortLengths = std::vector<PortLength>;
// The lengths of the ports' halves as calculated, without any offset they may carry now:
// what the ports hold once they are back on their own plane.
PortLengths ownPlaneLengthsOf(const FixtureRows& rows);

// The thru's reference plane moved onto each reflect standard's: (left average -
// thru average, right average - thru average) of the fixture lengths, in
// picoseconds; no value with the reason when a length is missing.
std::optional<std::pair<double, double>> reflectOffsets(const PortLengths& leftReflect, const PortLengths& rightReflect,
                                                        const PortLengths& thru, QString& errorText);

} // namespace FixtureOffsets
