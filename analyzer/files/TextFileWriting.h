#pragma once

#include <QString>

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

// Why a file could not be created at the path, found by trying its folder anew.
struct CreationFailure
{
    enum class Cause
    {
        MissingFolder,
        // Something else, a file, stands where the folder should be.
        NotAFolder,
        UnwritableFolder,
        // The folder takes new files: the name itself, or the file under it, is at fault.
        Other
    };
    Cause cause;
    // The folder as the user knows it, in native separators.
    QString folder;
    // The operating system's words, for an unwritable folder.
    QString systemReason;
};
CreationFailure creationFailure(const QString& filePath);

} // namespace TextFileWriting
