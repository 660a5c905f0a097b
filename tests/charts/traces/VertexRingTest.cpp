#include "charts/traces/VertexRing.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

using Orlix::Frontend::VertexRing;

namespace {

// The window as an explicit list of slot indices, oldest first.
class NaiveRing
{
public:
    explicit NaiveRing(int capacity) : m_capacity(capacity) {}

    void append(int start, int length)
    {
        const int end = m_slots.empty() ? m_start : (m_slots.back() + 1) % m_capacity;
        if (start != end) {
            int position = -1;
            for (size_t i = 0; i < m_slots.size(); ++i)
                if (m_slots[i] == start)
                    position = int(i);
            if (position >= 0 && position + length > int(m_slots.size()))
                m_slots.resize(size_t(position));
            else
                m_slots.clear();
        }
        for (int i = 0; i < length; ++i)
            m_slots.push_back((start + i) % m_capacity);
        while (int(m_slots.size()) > m_capacity)
            m_slots.pop_front();
        if (!m_slots.empty())
            m_start = m_slots.front();
    }

    // Runs never wrap past the buffer's last slot.
    VertexRing::Run takeRun()
    {
        VertexRing::Run run{m_start, 0};
        while (!m_slots.empty() && m_slots.front() == run.start + run.length) {
            m_slots.pop_front();
            ++run.length;
        }
        m_start = m_slots.empty() ? (run.start + run.length) % m_capacity : m_slots.front();
        return run;
    }

    int count() const { return int(m_slots.size()); }

private:
    int m_capacity;
    int m_start = 0;
    std::deque<int> m_slots;
};

TEST(VertexRing, FollowsTheNaiveWindowThroughRandomAppendsAndTakes)
{
    constexpr int capacity = 37;
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        VertexRing ring;
        ring.reset(capacity);
        NaiveRing model(capacity);
        for (int step = 0; step < 60; ++step) {
            const int choice = int(random() % 10);
            if (choice < 7) {
                // Mostly continuing segments, as a streaming trace writes them.
                const int start = choice < 4 ? (ring.start() + ring.count()) % capacity : int(random() % capacity);
                const int length = 1 + int(random() % (choice == 6 ? 2 * capacity : 12));
                ring.append(start, length);
                model.append(start, length);
            } else {
                const VertexRing::Run run = ring.takeRun(false);
                const VertexRing::Run expected = model.takeRun();
                ASSERT_EQ(run.start, expected.start);
                ASSERT_EQ(run.length, expected.length);
            }
            ASSERT_EQ(ring.count(), model.count());
            ASSERT_LE(ring.count(), capacity);
        }
    }
}

TEST(VertexRing, AFullWindowIsDrawnWholeOrInRunsUpToTheBufferEnd)
{
    VertexRing ring;
    ring.reset(8);
    ring.append(5, 3);
    ring.append(0, 5); // continues across the wrap: 5, 6, 7, 0 .. 4
    EXPECT_EQ(ring.count(), 8);

    VertexRing copy = ring;
    const VertexRing::Run whole = copy.takeRun(true);
    EXPECT_EQ(whole.start, 0);
    EXPECT_EQ(whole.length, 8);
    EXPECT_TRUE(copy.isEmpty());

    const VertexRing::Run tail = ring.takeRun(false);
    const VertexRing::Run head = ring.takeRun(false);
    EXPECT_EQ(tail.start, 5);
    EXPECT_EQ(tail.length, 3);
    EXPECT_EQ(head.start, 0);
    EXPECT_EQ(head.length, 5);
    EXPECT_TRUE(ring.isEmpty());
}

} // namespace
