#pragma once

#include <QString>

#include <cstddef>
#include <optional>

// Rules that the Touchstone reader and writer share.
namespace TouchstoneLayout {

// Where the k-th value of a record of a file with portCount ports stands in the record's
// N x N row-major matrix: two-port files list S11, S21, S12, S22, all others row by row.
std::size_t matrixIndex(std::size_t k, int portCount, std::size_t N);

// Hz per unit of the file's frequencies, for a unit code of TouchstoneData.
double frequencyFactor(int unit);

// The token as a number when it parses (C locale, whatever the user's locale) and is finite.
std::optional<double> parseFinite(const QString& token);

} // namespace TouchstoneLayout
