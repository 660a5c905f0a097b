#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QTextStream>

#include <optional>

// Reads and writes the INI-like text sections that the application appends to the
// analyzer's own state file: "[section]" lines and "key=value" lines.
class VnaStateIO : public QObject
{
    Q_OBJECT

public:
    VnaStateIO(const QString& fileName, QObject* parent);

    // Appending ("WriteOnly | Append") keeps the analyzer's content in front; the first
    // text written then starts on a line of its own.
    bool open(QIODevice::OpenMode mode);

    // Each write is flushed to the file at once; false when the file is not open for
    // writing or the text did not reach the file (a full disk, for instance). After a
    // failed write every further write fails too. Names, keys and values with a line
    // break, and keys with "=", are refused: they could not be read back as written.
    bool writeSection(const QString& name);
    bool writeValue(const QString& key, const QString& value);
    bool writeEmptyLine();

    // The value (all text after the first "=") of the first "key=" line (key matched
    // exactly) inside a section whose name matches case-insensitively and regardless of
    // blanks and underscores; every lookup scans the whole file from its start.
    std::optional<QString> readValue(const QString& section, const QString& key);

    // The operating system's words for the last failure to open or write the file.
    QString errorString() const { return m_file.errorString(); }

signals:
    void error(QString err);

private:
    bool writeText(const QString& text);
    bool endsWithoutLineBreak() const;

    QFile m_file;
    QTextStream m_stream;
    bool m_lineBreakPending = false;
};
