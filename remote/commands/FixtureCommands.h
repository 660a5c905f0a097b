#pragma once

#include "remote/commands/FixtureSide.h"
#include "remote/handlers/ScpiTypes.h"

class MainQmlBackend;

namespace Orlix::Automation {

class DeviceFunctions;

// The fixtures of the first setup, their flags and the analyzer ports they sit on.
void directThru(MainQmlBackend* backend, const bool& enabled);
void directThruQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void dutDifferent(MainQmlBackend* backend, const bool& enabled);
void dutDifferentQuery(MainQmlBackend* backend, DeviceFunctions* functions);

template<FixtureSide side>
void auxThru(MainQmlBackend* backend, const bool& enabled);
template<FixtureSide side>
void auxThruQuery(MainQmlBackend* backend, DeviceFunctions* functions);
template<FixtureSide side>
void fixtureEnabled(MainQmlBackend* backend, const bool& enabled);
template<FixtureSide side>
void fixtureEnabledQuery(MainQmlBackend* backend, DeviceFunctions* functions);
template<FixtureSide side, bool aux>
void attachedPort(MainQmlBackend* backend, const NumericIndex& fixturePort, const PortIndex& analyzerPort);
template<FixtureSide side, bool aux>
void attachedPortQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& fixturePort);
template<FixtureSide side>
void portsCount(MainQmlBackend* backend, const int& count);
template<FixtureSide side>
void portsCountQuery(MainQmlBackend* backend, DeviceFunctions* functions);

} // namespace Orlix::Automation
