#pragma once

#include <QString>
#include <QStringList>

namespace Simulator {

// The analyzer's keyword sets in SCPI notation (upper case = short form). Replies
// use the spelling given here for save types and trace formats, and the short
// form for sweep types and trigger sources.

enum class SweepType
{
    Linear,
    Logarithmic,
    Segment,
    Power
};

enum class SaveType
{
    State,
    CalibrationState,
    DataState,
    CalibrationDataState,
    CalibrationMemoryState
};

const QStringList& sweepTypeKeywords();     // "LINear", "LOGarithmic", "SEGMent", "POWer"
const QStringList& saveTypeKeywords();      // "STATe", "CSTate", "DSTate", "CDSTate", "CMSTate"
const QStringList& traceFormatKeywords();   // "MLOGarithmic" ... "UPHase"
const QStringList& triggerSourceKeywords(); // "INTernal", "EXTernal", "MANual", "BUS"
// Calibration kinds reported by the correction type query ("NONE" = no calibration).
const QStringList& calibrationTypes();

QString sweepTypeToken(SweepType type); // "LIN", "LOG", "SEGM", "POW"
QString saveTypeToken(SaveType type);   // "STATe", "CSTate", ...
// Whether a state saved with this type carries the channels' calibrations.
bool saveTypeIncludesCalibration(SaveType type);

} // namespace Simulator
