#pragma once

#include <QVariant>

#include <optional>

// Sweep settings as the user types them into a check table. Text that does not
// read as a sensible value gives no value, and then nothing reaches the analyzer.
namespace EditedSweepValues {

// A positive frequency with an optional SI prefix and unit, in the table's language or
// in English ("1.5 GHz", "1.5G"), or in exponent notation ("1.5e9").
std::optional<double> frequency(const QVariant& edit);

// A power in dBm, the unit (in the table's language or in English) optional and with
// or without blanks before it; exponent notation reads too.
std::optional<double> power(const QVariant& edit);

// A whole positive number of points, plain or in exponent notation ("2e3"); a
// fraction gives no value.
std::optional<uint> pointsCount(const QVariant& edit);

} // namespace EditedSweepValues
