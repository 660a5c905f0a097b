#include "engine/processes/reflect/ProcessFilteringReflectOpenAndShort.h"

#include "engine/processes/filtering/ProcessFiltering.h"

namespace Algorithms {

std::unique_ptr<TransmissionProcess> ProcessFilteringReflectOpenAndShort::createTransmissionProcess() const
{
    return std::make_unique<ProcessFiltering>();
}

} // namespace Algorithms
