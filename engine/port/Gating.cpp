#include "engine/port/Gating.h"

#include "engine/vectors/VectorChecks.h"

#include <QDebug>

namespace Algorithms {

bool Gating::isValid() const
{
    const bool valid = isValidComplexVector(values) && isValidVector(times) && values.size() == times.size();
    if (!valid)
        qDebug() << "Gating::isValid returned false";
    return valid;
}

} // namespace Algorithms
