#pragma once

#include "simulator/model/AnalyzerModel.h"

#include <QString>

#include <functional>
#include <optional>

namespace Simulator {

// The analyzer's state file ("MMEMory:STORe:STATe" / "MMEMory:LOAD"): the
// settings of every channel, with the calibrations when the model's save type
// includes them. The hardware (port count, limits, identification, readiness)
// and the save type are not part of a state.

using NetworkLoader = std::function<std::optional<TwoPortNetwork>(const QString& path)>;

// Empty on success, else why not.
QString saveStateFile(const AnalyzerModel& model, const QString& path);

// Replaces the model's settings with the file's; empty on success. A file that is
// not a readable state file leaves the model as it was. De-embedding files named
// in the state are read again with the loader; a channel without a calibration
// in the file ends up uncalibrated.
QString loadStateFile(AnalyzerModel& model, const QString& path, const NetworkLoader& loadNetwork);

} // namespace Simulator
