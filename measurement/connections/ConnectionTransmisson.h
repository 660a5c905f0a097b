#pragma once

#include "engine/processes/transmission/TransmissionProcess.h"
#include "measurement/connections/ConnectionBase.h"
#include "measurement/fixtures/VNAFixtureConnection.h"

// A 2x-thru between two fixtures, left and right.
class ConnectionTransmisson : public ConnectionBase
{
    Q_OBJECT
    Q_PROPERTY(VNAFixtureConnection* left READ left CONSTANT)
    Q_PROPERTY(VNAFixtureConnection* right READ right CONSTANT)

public:
    ConnectionTransmisson(VNAFixtureConnection* left, VNAFixtureConnection* right,
                          Algorithms::ProcessInputParameters* params, QObject* parent = nullptr);

    VNAFixtureConnection* left() const { return m_left; }
    VNAFixtureConnection* right() const { return m_right; }
    KeptProcesses<Algorithms::TransmissionProcess>& processes() { return m_processes; }

private:
    VNAFixtureConnection* m_left;
    VNAFixtureConnection* m_right;
    KeptProcesses<Algorithms::TransmissionProcess> m_processes;
};
