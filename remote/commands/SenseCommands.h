#pragma once

class MainQmlBackend;

namespace Orlix::Automation {

class DeviceFunctions;

// The analyzer's sweep settings through the cached facade. Setters return only
// after the analyzer has been written and read back.
void bandwidth(MainQmlBackend* backend, const double& hertz);
void bandwidthQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void calibrationTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void startFrequency(MainQmlBackend* backend, const double& hertz);
void startFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void stepFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void stopFrequency(MainQmlBackend* backend, const double& hertz);
void stopFrequencyQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void outputPower(MainQmlBackend* backend, const double& dbm);
void outputPowerQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void presetAnalyzer(MainQmlBackend* backend);
void sweepPoints(MainQmlBackend* backend, const int& points);
void sweepPointsQuery(MainQmlBackend* backend, DeviceFunctions* functions);
void sweepTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions);

} // namespace Orlix::Automation
