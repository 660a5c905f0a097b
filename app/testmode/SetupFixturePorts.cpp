#include "app/testmode/SetupFixturePorts.h"

#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/steps/Step.h"

std::vector<VNAFixtureConnection*> setupFixtures(const FixtureSetups& setups)
{
    std::vector<VNAFixtureConnection*> fixtures;
    for (int i = 0; i < setups.getCount(); ++i) {
        const NoltAlgorithmsSetup* setup = setups.setup(i);
        if (!setup)
            continue;
        for (const auto& step : setup->steps().rows()) {
            ConnectionBase* connection = step->connection();
            if (const auto* thru = qobject_cast<ConnectionTransmisson*>(connection)) {
                fixtures.push_back(thru->left());
                fixtures.push_back(thru->right());
            } else if (const auto* reflect = qobject_cast<ConnectionReflect*>(connection)) {
                fixtures.push_back(reflect->fixt());
            }
        }
    }
    return fixtures;
}

std::vector<QmlFixturePort*> setupFixturePorts(const std::vector<VNAFixtureConnection*>& fixtures)
{
    std::vector<QmlFixturePort*> ports;
    for (const VNAFixtureConnection* fixture : fixtures)
        for (const auto& port : fixture->measuredPorts())
            ports.push_back(port->measureData());
    return ports;
}
