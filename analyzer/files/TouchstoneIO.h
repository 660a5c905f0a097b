#pragma once

#include "analyzer/files/TouchstoneData.h"
#include "analyzer/files/TouchstoneReadIssue.h"

#include <QFileInfo>
#include <QObject>
#include <QString>

#include <optional>

// Reader and writer of Touchstone version 1 files (s1p .. s9p). The port count always
// comes from the file name's suffix. Reading and writing report only through their
// results; the callers word the messages.
class TouchstoneIO : public QObject
{
    Q_OBJECT

public:
    TouchstoneIO();

    bool overwriteAllowed() const { return m_overwriteAllowed; }
    void setOverwriteAllowed(bool allowed) { m_overwriteAllowed = allowed; }

    // The digit of a suffix "s<digit>p" (case-sensitive), or no value.
    static std::optional<uint> portCountFromSuffix(const QFileInfo& file);

    // No value for a missing or unreadable file, a port count outside 1..16, a record
    // with too many tokens, a number that does not parse or is not finite, or a two-port
    // frequency that does not rise on any line but the first of the noise parameters.
    // The issue, when asked for, tells why a read failed, or that it dropped a last
    // record the file cut short.
    std::optional<TouchstoneData> read(const QString& filePath, TouchstoneReadIssue* issue = nullptr) const;

    // Writes frequencies in Hz and values as RI. A name without an "s<digit>p" suffix
    // gets ".s" + the data's port count + "p"; with overwriting not allowed an existing
    // name gets "(1)", "(2)", ... before its extension. False when no file was written
    // completely (no usable name, data whose port count differs from the name's, records
    // that are not N x N or not finite, or a failed open or write).
    bool write(const QString& filePath, const TouchstoneData& data) const;

    static QString uniqueFileName(const QString& base, const QString& suffix);

signals:
    void error(QString err);

private:
    bool m_overwriteAllowed = true;
};
