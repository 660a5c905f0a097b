#pragma once

#include "engine/processes/base/CalcMethod.h"
#include "engine/processes/base/IProcessMethod.h"

#include <QString>

#include <memory>

namespace Algorithms {

// Process numbers of createProcessMethodByNumber.
enum ProcessNumber : int {
    TimeGateProcess = 0,
    FilteringProcess = 1,
    BisectProcess = 2,
    TimeGateReflectProcess = 3,
    TimeGateReflectOpenAndShortProcess = 4,
    FilteringReflectProcess = 5,
    FilteringReflectOpenAndShortProcess = 6
};

// The value of the reflect measurement kind that yields a reflect process.
constexpr int ReflectMeasurementKind = 1;

// Each factory gives a new process without parent, or an empty pointer when no process
// fits; then errorText (when given) receives a text the caller can show. They never throw.
std::unique_ptr<IProcessMethod> createProcessMethodByNumber(int number, QString* errorText = nullptr);
// A 2x-thru process for reflect 0, a single-standard reflect process otherwise
// (bisection has no reflect variant and always gives the 2x-thru process).
std::unique_ptr<IProcessMethod> createProcessMethod(int reflect, CalcMethod method, QString* errorText = nullptr);
// Reflect processes for the reflect measurement kind only; single: one standard.
std::unique_ptr<IProcessMethod> createReflectProcessMethod(int kind, CalcMethod method, bool single,
                                                           QString* errorText = nullptr);

} // namespace Algorithms
