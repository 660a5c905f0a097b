#pragma once

#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

namespace Algorithms {

// Single-standard reflect method whose fixture reflection is the residual's smooth
// component at the analyzer end, found by a least-squares fit.
class ProcessFilteringReflect : public ReflectProcessOpenOrShort
{
    Q_OBJECT

public:
    using ReflectProcessOpenOrShort::ReflectProcessOpenOrShort;

protected:
    bool extractFixture() override;
};

} // namespace Algorithms
