#pragma once

#include "analyzer/device/VnaInfo.h"

#include <QString>
#include <QStringList>

#include <complex>
#include <optional>
#include <vector>

// How the analyzer's reply lines are read. Every function gives no value for
// a reply that does not have the expected shape.
namespace ReplyParsing {

// Simplified, every blank removed, split at "," keeping empty items.
QStringList splitList(const QString& reply);

// Finite numbers only: an analyzer value of "nan" or "inf" is no measurement.
std::optional<double> toDouble(const QString& text);
std::optional<uint> toUInt(const QString& text);
// "1" or "0".
std::optional<bool> toBool(const QString& reply);

// Exactly four items; items 2 to 4 are model, serial number and version.
std::optional<VnaInfo> toIdentification(const QString& reply);
// The 1-based channel on the wire as a 0-based index. "0" is no channel.
std::optional<uint> toActiveChannel(const QString& reply);
// A port count an analyzer can have; a larger reply is no value, because every
// refresh asks each port's impedance in turn.
std::optional<uint> toPortCount(const QString& reply);
// A non-empty list of numbers.
std::optional<std::vector<double>> toDoubles(const QString& reply);
// An even, non-empty count of numbers taken in (real, imaginary) pairs.
std::optional<std::vector<std::complex<double>>> toComplexValues(const QString& reply);
// The items after the first of a correction type reply, as 0-based ports;
// one item or none give an empty list.
std::optional<std::vector<double>> toCalibratedPorts(const QString& reply);

} // namespace ReplyParsing
