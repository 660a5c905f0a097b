#pragma once

#include "remote/handlers/ScpiTypes.h"

class MainQmlBackend;

namespace Orlix::Automation {

class DeviceFunctions;

// The measurement steps of the first setup, found by their 1-based position.
void measureDut(MainQmlBackend* backend, const NumericIndex& step);
void measureReflectOpen(MainQmlBackend* backend, const NumericIndex& step);
void measureReflectShort(MainQmlBackend* backend, const NumericIndex& step);
void measureThru(MainQmlBackend* backend, const NumericIndex& step);
void measureThruReflectOpen(MainQmlBackend* backend, const NumericIndex& step);
void measureThruReflectShort(MainQmlBackend* backend, const NumericIndex& step);
void applyReflectOffset(MainQmlBackend* backend, const NumericIndex& step, const double& picoseconds);
void applyThruOffset(MainQmlBackend* backend, const NumericIndex& step, const double& left, const double& right);

void stepCountQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void deleteStepData(MainQmlBackend* backend, const NumericIndex& step);
void stepMeasuredQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& step);
void stepTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& step);
void reflectApproximation(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void reflectOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void reflectOpenEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void reflectShortEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void thruOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void thruReflectOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void thruReflectOpenEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);
void thruReflectShortEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled);

} // namespace Orlix::Automation
