#pragma once

#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"

namespace Algorithms {

// Open-and-short reflect method split by the filtering fit.
class ProcessFilteringReflectOpenAndShort : public ReflectProcessOpenAndShort
{
    Q_OBJECT

public:
    using ReflectProcessOpenAndShort::ReflectProcessOpenAndShort;

protected:
    std::unique_ptr<TransmissionProcess> createTransmissionProcess() const override;
};

} // namespace Algorithms
