#include "remote/server/RequestLineSplitter.h"

namespace Orlix::Automation {

RequestLineSplitter::RequestLineSplitter(int maxLineLength) : m_maxLineLength(maxLineLength)
{
}

int RequestLineSplitter::feed(const QByteArray& bytes, QList<QByteArray>& lines)
{
    int refused = 0;
    int start = 0;
    while (start < bytes.size()) {
        const int lineEnd = bytes.indexOf('\n', start);
        const int pieceEnd = lineEnd < 0 ? bytes.size() : lineEnd;
        if (!m_discarding) {
            if (m_partialLine.size() + (pieceEnd - start) > m_maxLineLength) {
                m_partialLine.clear();
                m_discarding = true;
                ++refused;
            } else {
                m_partialLine.append(bytes.constData() + start, pieceEnd - start);
            }
        }
        if (lineEnd < 0)
            break;
        if (!m_discarding && !m_partialLine.isEmpty())
            lines.append(m_partialLine);
        m_partialLine.clear();
        m_discarding = false;
        start = lineEnd + 1;
    }
    return refused;
}

} // namespace Orlix::Automation
