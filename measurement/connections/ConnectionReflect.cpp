#include "measurement/connections/ConnectionReflect.h"

ConnectionReflect::ConnectionReflect(VNAFixtureConnection* fixt, Algorithms::ProcessInputParameters* params,
                                     QObject* parent)
    : ConnectionBase(params, parent)
    , m_fixt(fixt)
{
}
