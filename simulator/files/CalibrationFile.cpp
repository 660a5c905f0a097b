#include "simulator/files/CalibrationFile.h"

#include "simulator/files/FileValues.h"
#include "simulator/scpi/ScpiValues.h"

namespace Simulator {

namespace {

const QString signature = "# NOLT VNA simulator calibration";
const QString calibrationSection = "VNA\\Calibration";

} // namespace

void writeCalibration(SectionFile& file, const QString& section, const Calibration& calibration)
{
    file.setValue(section, "Type", calibration.type);
    file.setValue(section, "Ports", portList(calibration.ports));
    file.setValue(section, "SweepType", sweepTypeToken(calibration.sweepType));
    file.setValue(section, "StartFrequency", exactNumber(calibration.startFrequency));
    file.setValue(section, "StopFrequency", exactNumber(calibration.stopFrequency));
    file.setValue(section, "Points", QString::number(calibration.points));
}

std::optional<Calibration> readCalibration(const SectionFile& file, const QString& section)
{
    const auto type = file.value(section, "Type");
    const auto ports = parsePortList(file.value(section, "Ports").value_or("?"));
    const auto sweepType = parseKeyword(file.value(section, "SweepType").value_or(""), sweepTypeKeywords());
    const auto start = parseNumber(file.value(section, "StartFrequency").value_or(""));
    const auto stop = parseNumber(file.value(section, "StopFrequency").value_or(""));
    const auto points = parseInteger(file.value(section, "Points").value_or(""));
    if (!type || !calibrationTypes().contains(*type) || !ports || !sweepType || !start || !stop || !points)
        return std::nullopt;

    Calibration calibration;
    calibration.type = *type;
    calibration.ports = *ports;
    calibration.sweepType = static_cast<SweepType>(*sweepType);
    calibration.startFrequency = *start;
    calibration.stopFrequency = *stop;
    calibration.points = *points;
    return calibration;
}

QString saveCalibrationFile(const Calibration& calibration, const QString& path)
{
    SectionFile file(signature);
    writeCalibration(file, calibrationSection, calibration);
    return file.write(path);
}

std::optional<Calibration> loadCalibrationFile(const QString& path)
{
    const auto file = SectionFile::read(path, signature);
    if (!file)
        return std::nullopt;
    return readCalibration(*file, calibrationSection);
}

} // namespace Simulator
