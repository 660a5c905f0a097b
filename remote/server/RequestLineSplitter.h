#pragma once

#include <QByteArray>
#include <QList>

namespace Orlix::Automation {

// Cuts the bytes of a connection into request lines at "\n", before any
// decoding, so a character split between two TCP segments stays whole. Empty
// lines are dropped. A line longer than the limit is refused as a whole: its
// bytes are discarded up to its "\n", so an endless line costs no memory.
class RequestLineSplitter
{
public:
    explicit RequestLineSplitter(int maxLineLength);

    // Appends the complete lines found in `bytes` to `lines`; returns how many
    // overlong lines were refused.
    int feed(const QByteArray& bytes, QList<QByteArray>& lines);

    // Bytes kept of the line not yet ended.
    int unfinishedLength() const { return m_partialLine.size(); }

private:
    int m_maxLineLength;
    QByteArray m_partialLine;
    bool m_discarding = false;
};

} // namespace Orlix::Automation
