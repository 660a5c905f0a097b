#include "charts/traces/VertexRing.h"

#include <algorithm>

namespace Orlix::Frontend {

void VertexRing::reset(int32_t capacity)
{
    m_capacity = capacity;
    m_count = 0;
}

void VertexRing::append(int32_t start, int32_t length)
{
    if (length <= 0 || m_capacity <= 0)
        return;
    // 64-bit sums: start and length may each come close to the 32-bit limit.
    const int64_t windowEnd = int64_t(m_start) + m_count;
    int64_t count;
    if (start == windowEnd % m_capacity) {
        count = int64_t(m_count) + length;
    } else {
        const int64_t unwrapped = start < m_start ? int64_t(start) + m_capacity : start;
        if (unwrapped >= m_start && unwrapped < windowEnd && unwrapped + length > windowEnd) {
            count = length + unwrapped - m_start;
        } else {
            m_start = start % m_capacity;
            count = length;
        }
    }
    if (count > m_capacity) {
        m_start = int32_t((m_start + count) % m_capacity);
        count = m_capacity;
    }
    m_count = int32_t(count);
}

VertexRing::Run VertexRing::takeRun(bool wholeWhenFull)
{
    if (wholeWhenFull && m_count == m_capacity && m_count > 0) {
        m_count = 0;
        return {0, m_capacity};
    }
    const int32_t length = std::min(m_count, m_capacity - m_start);
    const Run run{m_start, length};
    m_count -= length;
    m_start = m_capacity > 0 ? (m_start + length) % m_capacity : 0;
    return run;
}

} // namespace Orlix::Frontend
