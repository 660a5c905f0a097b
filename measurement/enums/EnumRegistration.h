#pragma once

// Makes MeasureEnums and CoreMeasureEnums known to QML (modules "MeasureEnums" and
// "CoreMeasureEnums" 1.0, uncreatable) and CorrectionMethod to queued signals.
// Safe to call again, as every new setup does.
void registerMeasureEnums();
