#pragma once

#include "analyzer/files/TouchstoneData.h"
#include "analyzer/files/TouchstoneReadIssue.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Turns the lines of a Touchstone file, one after the other, into TouchstoneData.
class TouchstoneReader
{
public:
    explicit TouchstoneReader(int portCount);

    // False when the line makes the whole file unreadable.
    bool addLine(const QString& line);

    // True once a two-port file's noise parameters begin: no further line is S-data.
    bool atEnd() const { return m_atNoiseData; }

    // The records read so far; an incomplete last record is left out.
    const TouchstoneData& data() const { return m_data; }

    // Called after the last line: notes a last record that the file cut short.
    void finish();
    // Why addLine() failed, or what finish() found; kind None when all was read.
    const TouchstoneReadIssue& issue() const { return m_issue; }

private:
    void applyOptionLine(const QString& line);
    bool addDataTokens(const QStringList& tokens);
    // True when a record would start at a frequency that does not rise.
    bool stepsBack(const QString& firstToken) const;
    std::optional<TouchstoneRecord> parseRecord();
    bool fail(TouchstoneReadIssue::Kind kind, int line, const QString& token = {});
    void clearTokens();
    std::optional<std::complex<double>> parseValue(const QString& a, const QString& b) const;

    int m_portCount;
    int m_tokensPerRecord;
    TouchstoneData m_data;
    QStringList m_tokens;
    // The line each token of the record being gathered came from.
    std::vector<int> m_tokenLines;
    int m_line = 0;
    TouchstoneReadIssue m_issue;
    bool m_atNoiseData = false;
};
