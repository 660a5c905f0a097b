#include "analyzer/files/VnaStateIO.h"

#include "analyzer/files/TextFileWriting.h"

namespace {

// Any character that some reader may take for the end of a line: written inside a name,
// key or value it would start a line of its own, with keys and sections of its choosing.
bool breaksLine(const QString& text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\n':
        case '\r':
        case '\v':
        case '\f':
        case 0x85:
        case 0x2028:
        case 0x2029:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

VnaStateIO::VnaStateIO(const QString& fileName, QObject* parent)
    : QObject(parent)
    , m_file(fileName)
    , m_stream(&m_file)
{
    m_stream.setCodec("UTF-8");
}

bool VnaStateIO::open(QIODevice::OpenMode mode)
{
    // Checked before opening: appending may create the file, and write-only access
    // cannot look at what is there.
    const bool lineBreakNeeded = mode.testFlag(QIODevice::Append) && endsWithoutLineBreak();
    if (!m_file.open(mode))
        return false;
    m_lineBreakPending = lineBreakNeeded;
    return true;
}

bool VnaStateIO::endsWithoutLineBreak() const
{
    QFile existing(m_file.fileName());
    if (!existing.exists() || existing.size() == 0)
        return false;
    char last = '\n';
    // When the end cannot be read, an extra line break is the harmless guess.
    if (!existing.open(QIODevice::ReadOnly) || !existing.seek(existing.size() - 1) || !existing.getChar(&last))
        return true;
    return last != '\n';
}

bool VnaStateIO::writeSection(const QString& name)
{
    if (breaksLine(name))
        return false;
    return writeText("[" + name + "]\n");
}

bool VnaStateIO::writeValue(const QString& key, const QString& value)
{
    // A key with "=" would be read back as a shorter key.
    if (key.contains('=') || breaksLine(key) || breaksLine(value))
        return false;
    return writeText(key + "=" + value + "\n");
}

bool VnaStateIO::writeEmptyLine()
{
    return writeText(QStringLiteral("\n"));
}

bool VnaStateIO::writeText(const QString& text)
{
    if (!m_file.isOpen() || !m_file.isWritable())
        return false;
    if (m_lineBreakPending)
        m_stream << '\n';
    m_stream << text;
    if (!TextFileWriting::flushAndCheck(m_stream, m_file))
        return false;
    m_lineBreakPending = false;
    return true;
}

std::optional<QString> VnaStateIO::readValue(const QString& section, const QString& key)
{
    if (!m_file.isOpen() || !m_file.isReadable())
        return std::nullopt;
    if (m_file.isWritable())
        m_stream.flush();
    if (!m_file.seek(0))
        return std::nullopt;
    QTextStream in(&m_file);
    // The analyzer's binary content may begin with bytes that look like a UTF-16 or
    // UTF-32 byte-order mark; the appended text is always UTF-8.
    in.setCodec("UTF-8");
    in.setAutoDetectUnicode(false);
    const QString wanted = section.toLower();
    bool inSection = false;
    QString line;
    while (in.readLineInto(&line)) {
        line = line.simplified();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            QString name = line;
            name.remove(' ').remove('_').remove('[').remove(']');
            inSection = name.toLower() == wanted;
            continue;
        }
        if (!inSection || !line.contains('='))
            continue;
        const int equals = line.indexOf('=');
        if (line.left(equals) == key)
            return line.mid(equals + 1);
    }
    return std::nullopt;
}
