#include "measurement/connections/ConnectionTransmisson.h"

ConnectionTransmisson::ConnectionTransmisson(VNAFixtureConnection* left, VNAFixtureConnection* right,
                                             Algorithms::ProcessInputParameters* params, QObject* parent)
    : ConnectionBase(params, parent)
    , m_left(left)
    , m_right(right)
{
}
