#pragma once

#include <cstdint>

namespace Orlix::Frontend {

// A contiguous window of slots in a circular vertex buffer: which slots hold
// data, or which were written since the renderer last uploaded them.
class VertexRing
{
public:
    struct Run
    {
        int32_t start = 0;
        int32_t length = 0;
    };

    void reset(int32_t capacity);
    bool isEmpty() const { return m_count == 0; }

    // Adds the slots start .. start + length - 1 (modulo the capacity); a
    // segment that neither continues nor overlaps the window's end restarts it.
    // Beyond the capacity the newest slots remain.
    void append(int32_t start, int32_t length);

    // Takes the next run that is contiguous in memory (up to the window's or
    // the buffer's end). With wholeWhenFull a full window is taken as the
    // whole buffer in one run.
    Run takeRun(bool wholeWhenFull);

    int32_t capacity() const { return m_capacity; }
    int32_t count() const { return m_count; }
    int32_t start() const { return m_start; }

private:
    int32_t m_capacity = 0;
    int32_t m_count = 0;
    int32_t m_start = 0;
};

} // namespace Orlix::Frontend
