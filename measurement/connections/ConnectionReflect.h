#pragma once

#include "engine/processes/reflect/ReflectProcess.h"
#include "measurement/connections/ConnectionBase.h"
#include "measurement/fixtures/VNAFixtureConnection.h"

// One fixture measured with reflect standards.
class ConnectionReflect : public ConnectionBase
{
    Q_OBJECT
    Q_PROPERTY(VNAFixtureConnection* fixt READ fixt CONSTANT)

public:
    ConnectionReflect(VNAFixtureConnection* fixt, Algorithms::ProcessInputParameters* params,
                      QObject* parent = nullptr);

    VNAFixtureConnection* fixt() const { return m_fixt; }
    KeptProcesses<Algorithms::ReflectProcess>& processes() { return m_processes; }

private:
    VNAFixtureConnection* m_fixt;
    KeptProcesses<Algorithms::ReflectProcess> m_processes;
};
