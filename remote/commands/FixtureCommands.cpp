#include "remote/commands/FixtureCommands.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/CommandPreamble.h"
#include "remote/commands/ReplyFormatting.h"
#include "remote/commands/StepLookup.h"
#include "remote/commands/StepTaskWait.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"

namespace Orlix::Automation {

namespace {

void requireBothFixtures(const NoltAlgorithmsSetup& setup)
{
    if (!setup.leftFixtureEnabled() || !setup.rightFixtureEnabled())
        throw AutomationException(kFixtureNotEnabled);
}

void requireDutDifferentAllowed(const NoltAlgorithmsSetup& setup)
{
    if (!setup.leftFixtureEnabled() && !setup.rightFixtureEnabled())
        throw AutomationException(kFixtureNotEnabled);
    if (setup.correctionMethod() != MeasureEnums::CorrectionMethod::TIME_GATING)
        throw AutomationException(kInvalidMethod);
}

using SetupCheck = void (*)(const NoltAlgorithmsSetup&);

// A flag that rebuilds the steps answers once the results it took away are gone.
void changeFlags(MainQmlBackend* backend, const std::function<void()>& change)
{
    changeMeasuredConditions(*backend->getFixtureSetups(), *backend->getBackendWorker(), change);
}

void setFlag(MainQmlBackend* backend, SetupCheck check, void (NoltAlgorithmsSetup::*setter)(bool), bool enabled)
{
    bridgedCommand(backend, [backend, check, setter, enabled] {
        NoltAlgorithmsSetup& setup = *firstSetup(backend);
        check(setup);
        changeFlags(backend, [&setup, setter, enabled] { (setup.*setter)(enabled); });
    });
}

QString flagReply(MainQmlBackend* backend, SetupCheck check, bool (NoltAlgorithmsSetup::*flag)() const)
{
    return bridgedQuery(backend, [backend, check, flag] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        check(setup);
        return formatBool((setup.*flag)());
    });
}

} // namespace

void directThru(MainQmlBackend* backend, const bool& enabled)
{
    setFlag(backend, &requireBothFixtures, &NoltAlgorithmsSetup::setAbThruConnectionEnabled, enabled);
}

void directThruQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        flagReply(backend, &requireBothFixtures, &NoltAlgorithmsSetup::abThruConnectionEnabled));
}

void dutDifferent(MainQmlBackend* backend, const bool& enabled)
{
    setFlag(backend, &requireDutDifferentAllowed, &NoltAlgorithmsSetup::setAbDutConnectionEnabled, enabled);
}

void dutDifferentQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        flagReply(backend, &requireDutDifferentAllowed, &NoltAlgorithmsSetup::abDutConnectionEnabled));
}

template<FixtureSide side>
void auxThru(MainQmlBackend* backend, const bool& enabled)
{
    bridgedCommand(backend, [backend, enabled] {
        NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, false);
        changeFlags(backend, [&setup, enabled] { setAuxThruEnabled(setup, side, enabled); });
    });
}

template<FixtureSide side>
void auxThruQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, false);
        return formatBool(auxThruEnabled(setup, side));
    }));
}

template<FixtureSide side>
void fixtureEnabled(MainQmlBackend* backend, const bool& enabled)
{
    bridgedCommand(backend, [backend, enabled] {
        NoltAlgorithmsSetup& setup = *firstSetup(backend);
        changeFlags(backend, [&setup, enabled] { setSideEnabled(setup, side, enabled); });
    });
}

template<FixtureSide side>
void fixtureEnabledQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        bridgedQuery(backend, [backend] { return formatBool(sideEnabled(*firstSetup(backend), side)); }));
}

template<FixtureSide side, bool aux>
void attachedPort(MainQmlBackend* backend, const NumericIndex& fixturePort, const PortIndex& analyzerPort)
{
    bridgedCommand(backend, [backend, row = fixturePort.value, port = analyzerPort.value] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, aux);
        const std::optional<int> analyzerPorts = backend->getVnaDevice()->portsCount();
        if (!analyzerPorts || port < 0 || port >= *analyzerPorts)
            throw AutomationException(kInvalidPortIndex);
        VNAFixtureConnection* connection = sideConnection(setup, side, aux);
        requireFixturePort(*connection, row);
        changeMeasuredConditions(*backend->getFixtureSetups(), *backend->getBackendWorker(),
                                 [connection, row, port] { connection->setAttachedVnaPort(int(row), uint(port)); });
    });
}

template<FixtureSide side, bool aux>
void attachedPortQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& fixturePort)
{
    functions->sendAnswer(bridgedQuery(backend, [backend, row = fixturePort.value] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, aux);
        const VNAFixtureConnection* connection = sideConnection(setup, side, aux);
        requireFixturePort(*connection, row);
        return QString::number(connection->getAttachedVnaPort(row) + 1);
    }));
}

template<FixtureSide side>
void portsCount(MainQmlBackend* backend, const int& count)
{
    bridgedCommand(backend, [backend, count] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, false);
        const std::optional<int> analyzerPorts = backend->getVnaDevice()->portsCount();
        if (count < 1 || !analyzerPorts || count > *analyzerPorts)
            throw AutomationException(kInvalidPortsNumber);
        Fixture* fixture = sideConnection(setup, side, false)->fixture();
        changeMeasuredConditions(*backend->getFixtureSetups(), *backend->getBackendWorker(),
                                 [fixture, count] { fixture->setPortsCount(uint(count)); });
    });
}

template<FixtureSide side>
void portsCountQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(bridgedQuery(backend, [backend] {
        const NoltAlgorithmsSetup& setup = *firstSetup(backend);
        requireSide(setup, side, false);
        return QString::number(sideConnection(setup, side, false)->fixture()->portsCount());
    }));
}

#define NOLT_FIXTURE_COMMANDS_FOR(SIDE)                                                                        \
    template void auxThru<SIDE>(MainQmlBackend*, const bool&);                                                 \
    template void auxThruQuery<SIDE>(MainQmlBackend*, DeviceFunctions*);                                       \
    template void fixtureEnabled<SIDE>(MainQmlBackend*, const bool&);                                          \
    template void fixtureEnabledQuery<SIDE>(MainQmlBackend*, DeviceFunctions*);                                \
    template void attachedPort<SIDE, false>(MainQmlBackend*, const NumericIndex&, const PortIndex&);          \
    template void attachedPort<SIDE, true>(MainQmlBackend*, const NumericIndex&, const PortIndex&);           \
    template void attachedPortQuery<SIDE, false>(MainQmlBackend*, DeviceFunctions*, const NumericIndex&);     \
    template void attachedPortQuery<SIDE, true>(MainQmlBackend*, DeviceFunctions*, const NumericIndex&);      \
    template void portsCount<SIDE>(MainQmlBackend*, const int&);                                               \
    template void portsCountQuery<SIDE>(MainQmlBackend*, DeviceFunctions*);

NOLT_FIXTURE_COMMANDS_FOR(FixtureSide::Left)
NOLT_FIXTURE_COMMANDS_FOR(FixtureSide::Right)

#undef NOLT_FIXTURE_COMMANDS_FOR

} // namespace Orlix::Automation
