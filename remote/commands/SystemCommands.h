#pragma once

#include "measurement/enums/MeasureEnums.h"

#include <string>

class MainQmlBackend;

namespace Orlix::Automation {

class DeviceFunctions;

// Status, error queue, the analyzer's address, the setups' shared calculation
// settings and the backend's long operations.
void opcQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void readyQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void errorQuery(MainQmlBackend* backend, DeviceFunctions* functions);

void lowPassMode(MainQmlBackend* backend);
void lowPassMode10Mhz(MainQmlBackend* backend);
void userZ0(MainQmlBackend* backend, const int& ohms);
void z0ConversionType(MainQmlBackend* backend, const MeasureEnums::Z0Conversion& type);
void z0ConversionTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void lowPassIgnore(MainQmlBackend* backend, const bool& ignore);
void lowPassIgnoreQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void calculationMethod(MainQmlBackend* backend, const MeasureEnums::CorrectionMethod& method);
void calculationMethodQuery(MainQmlBackend* backend, DeviceFunctions* functions);

void applyCorrection(MainQmlBackend* backend);
void saveCorrection(MainQmlBackend* backend, const std::string& path);
void saveRawData(MainQmlBackend* backend, const std::string& path);
void saveSetup(MainQmlBackend* backend, const std::string& path);
void loadState(MainQmlBackend* backend, const std::string& path);
void presetApplication(MainQmlBackend* backend);

void analyzerDefaultAddress(MainQmlBackend* backend);
void analyzerAddress(MainQmlBackend* backend, const std::string& address);
void analyzerAddressQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void analyzerPort(MainQmlBackend* backend, const int& port);
void analyzerPortQuery(MainQmlBackend* backend, DeviceFunctions* functions);

} // namespace Orlix::Automation
