#include "measurement/connections/ConnectionBase.h"

ConnectionBase::ConnectionBase(Algorithms::ProcessInputParameters* params, QObject* parent)
    : QObject(parent)
    , m_params(params)
{
}
