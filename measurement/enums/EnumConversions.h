#pragma once

#include "engine/port/Z0ConversionType.h"
#include "engine/processes/base/CalcMethod.h"
#include "measurement/enums/MeasureEnums.h"

// The only bridge between the user-facing numbering and the engine's. A value
// outside its table (a corrupt setup file, a stray QML number) gives the
// neutral choice rather than an undefined engine value.

// Bisection and filtering swap places between the two numberings; an unknown
// method gives time gating, the method every setup starts with.
Algorithms::CalcMethod toCalcMethod(MeasureEnums::CorrectionMethod method);

// An unknown conversion gives no conversion.
Algorithms::Z0ConversionType toZ0ConversionType(MeasureEnums::Z0Conversion conversion);

// A measurer's own status: 0 measured, 1 not measured, anything else failed.
MeasureEnums::MeasureStatus toMeasureStatus(int measurerStatus);
