#pragma once

#include "analyzer/files/TouchstoneData.h"

#include <QString>

// The text that the Touchstone writer puts into a file.
namespace TouchstoneWriting {

// Data that a reader could take back from a file of portCount ports: the data's own port
// count (when set) and every record's N equal to portCount, N x N values per record, and
// every number (R included) finite.
bool isWritable(const TouchstoneData& data, int portCount);

// The comment head and the option line (Hz, S, RI and R), each line ended by "\n".
QString head(double R);

// One record: frequency in Hz, then each value as real TAB imaginary, in the value order
// of a file with portCount ports; above two ports each matrix row starts a new line.
QString formatRecord(const TouchstoneRecord& record, int portCount);

} // namespace TouchstoneWriting
