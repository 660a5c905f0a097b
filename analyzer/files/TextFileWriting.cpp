#include "analyzer/files/TextFileWriting.h"

#include <QFileDevice>
#include <QTextStream>

namespace TextFileWriting {

bool flushAndCheck(QTextStream& stream, QFileDevice& file)
{
    stream.flush();
    const bool flushed = file.flush();
    return flushed && stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

} // namespace TextFileWriting
