#pragma once

class QFileDevice;
class QTextStream;

namespace TextFileWriting {

// Pushes everything the stream holds through to the operating system and tells
// whether every byte written so far got there (false after a full disk, a write
// error or a device that is not writable).
bool flushAndCheck(QTextStream& stream, QFileDevice& file);

} // namespace TextFileWriting
