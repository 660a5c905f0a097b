#pragma once

#include "analyzer/files/TouchstoneData.h"

#include <QString>

// The text that the Touchstone writer puts into a file.
namespace TouchstoneWriting {

// Records that a reader could take back: each with N >= 1, N x N values, and every
// number (R included) finite.
bool isWritable(const TouchstoneData& data);

// The comment head and the option line (Hz, S, RI and R), each line ended by "\n".
QString head(double R);

// One record: frequency in Hz, then each value as real TAB imaginary, in the value order
// of a file with portCount ports; above two ports each matrix row starts a new line.
QString formatRecord(const TouchstoneRecord& record, int portCount);

} // namespace TouchstoneWriting
