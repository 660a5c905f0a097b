#include "engine/port/StepResponse.h"

#include "engine/vectors/VectorChecks.h"

#include <QDebug>

namespace Algorithms::ReflectData {

bool StepResponse::isValid() const
{
    const bool valid = isValidVector(values) && isValidVector(times) && isFiniteValue(impedance)
        && isFiniteValue(position) && values.size() == times.size() && values.size() >= 3;
    if (!valid)
        qDebug() << "ReflectData::StepResponse::isValid returned false";
    return valid;
}

} // namespace Algorithms::ReflectData
