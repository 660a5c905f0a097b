#pragma once

#include "simulator/files/SectionFile.h"
#include "simulator/model/AnalyzerModel.h"

#include <QString>

#include <optional>

namespace Simulator {

// A channel's calibration stored on its own ("MMEMory:STORe:CHANnel:CALibration")
// and as a section of the state file. Numbers are written exactly, so a load
// restores the very calibration that was saved.

// Empty on success, else why not.
QString saveCalibrationFile(const Calibration& calibration, const QString& path);
// The calibration in the file, or no value when it is not a readable calibration file.
std::optional<Calibration> loadCalibrationFile(const QString& path);

void writeCalibration(SectionFile& file, const QString& section, const Calibration& calibration);
std::optional<Calibration> readCalibration(const SectionFile& file, const QString& section);

} // namespace Simulator
