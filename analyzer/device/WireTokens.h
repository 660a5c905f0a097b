#pragma once

#include "analyzer/device/SweepType.h"
#include "analyzer/device/VNADevice.h"

#include <QString>

#include <optional>

// The analyzer's token for each enumerated value and back. A value missing
// from its table is written as an empty token; a reply is looked up whole and
// case-sensitively.
namespace WireTokens {

QString sweepType(SweepType type);
std::optional<SweepType> sweepTypeFromToken(const QString& token);

QString saveType(VNADevice::SaveType type);
// An unknown token reads as "STATe".
VNADevice::SaveType saveTypeFromToken(const QString& token);

QString graphicFormat(VNADevice::GraphicFormat format);

// "T%0", "R%0" or "V%0" with the 1-based receiver port filled in; empty for an S-parameter.
QString parameterType(VNADevice::TypeOfParameter type, uint receiver);

// The first item of a correction type reply (values 2 to 10).
std::optional<VNADevice::CalibrationType> calibrationTypeFromToken(const QString& token);

// Doubles with ten significant digits, shortest of fixed or exponent form.
QString number(double value);
QString boolean(bool value);

} // namespace WireTokens
