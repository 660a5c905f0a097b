#include "engine/port/ImpulseResponse.h"

#include "engine/vectors/VectorChecks.h"

#include <QDebug>

namespace Algorithms {

bool ImpulseResponse::isValid() const
{
    const bool valid = isValidComplexVector(values) && isValidVector(times) && isFiniteValue(delay)
        && isFiniteValue(coarseDelay) && values.size() == times.size() && values.size() >= 3;
    if (!valid)
        qDebug() << "ImpulseResponse::isValid returned false";
    return valid;
}

} // namespace Algorithms
