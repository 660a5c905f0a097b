#include "analyzer/files/TextFileWriting.h"

#include <QFile>
#include <QTextStream>

namespace TextFileWriting {

bool flushAndCheck(QTextStream& stream, QFileDevice& file)
{
    stream.flush();
    const bool flushed = file.flush();
    return flushed && stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

bool closeWrittenFile(QTextStream& stream, QFile& file)
{
    const bool written = flushAndCheck(stream, file);
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    file.remove();
    return false;
}

} // namespace TextFileWriting
