#pragma once

#include "remote/commands/FixtureSide.h"
#include "remote/handlers/ScpiTypes.h"

class MainQmlBackend;

namespace Orlix::Automation {

class DeviceFunctions;

// What a result query reads from a calculated fixture port: its scalar, or
// with `trace` the curve behind it.
enum class PortResult {
    Gating,    // the gating value; curve: the gating record
    Impedance, // the fixture impedance; curve: the step response
    Length     // the electrical length; curve: the impulse response
};

template<FixtureSide side, bool aux, PortResult result, bool trace>
void portResultQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& fixturePort);

} // namespace Orlix::Automation
