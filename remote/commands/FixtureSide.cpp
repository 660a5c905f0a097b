#include "remote/commands/FixtureSide.h"

#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/parser/AutomationException.h"

namespace Orlix::Automation {

bool sideEnabled(const NoltAlgorithmsSetup& setup, FixtureSide side)
{
    return side == FixtureSide::Left ? setup.leftFixtureEnabled() : setup.rightFixtureEnabled();
}

void setSideEnabled(NoltAlgorithmsSetup& setup, FixtureSide side, bool enabled)
{
    if (side == FixtureSide::Left)
        setup.setLeftFixtureEnabled(enabled);
    else
        setup.setRightFixtureEnabled(enabled);
}

bool auxThruEnabled(const NoltAlgorithmsSetup& setup, FixtureSide side)
{
    return side == FixtureSide::Left ? setup.aaConnectionEnabled() : setup.bbConnectionEnabled();
}

void setAuxThruEnabled(NoltAlgorithmsSetup& setup, FixtureSide side, bool enabled)
{
    if (side == FixtureSide::Left)
        setup.setAaConnectionEnabled(enabled);
    else
        setup.setBbConnectionEnabled(enabled);
}

VNAFixtureConnection* sideConnection(const NoltAlgorithmsSetup& setup, FixtureSide side, bool aux)
{
    if (side == FixtureSide::Left)
        return aux ? setup.leftFixtureAuxConn() : setup.leftFixtureConn();
    return aux ? setup.rightFixtureAuxConn() : setup.rightFixtureConn();
}

void requireSide(const NoltAlgorithmsSetup& setup, FixtureSide side, bool aux)
{
    if (!sideEnabled(setup, side))
        throw AutomationException(kFixtureNotEnabled);
    if (aux && !auxThruEnabled(setup, side))
        throw AutomationException(kConnectionNotEnabled);
}

void requireFixturePort(const VNAFixtureConnection& connection, unsigned fixturePort)
{
    if (fixturePort >= connection.fixture()->portsCount())
        throw AutomationException(kInvalidPortIndex);
}

} // namespace Orlix::Automation
