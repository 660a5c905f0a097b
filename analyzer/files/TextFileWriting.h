#pragma once

class QFile;
class QFileDevice;
class QTextStream;

namespace TextFileWriting {

// Pushes everything the stream holds through to the operating system and tells
// whether every byte written so far got there (false after a full disk, a write
// error or a device that is not writable).
bool flushAndCheck(QTextStream& stream, QFileDevice& file);

// Flushes and closes a file that the stream wrote whole; when any byte failed to reach it,
// removes it (a cut-off file could read back as valid but shorter data) and gives false.
bool closeWrittenFile(QTextStream& stream, QFile& file);

} // namespace TextFileWriting
