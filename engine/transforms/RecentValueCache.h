#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <utility>

namespace Algorithms {

// The most recently used values of a deterministic computation, keyed by its inputs and
// bounded in bytes: the least recently used values are dropped first. Not synchronised:
// each thread keeps its own instance (thread_local), so that two calculations on two
// threads never share one. A value handed out stays valid after it is dropped.
// Key needs ==; Value needs bytes().
template <typename Key, typename Value>
class RecentValueCache
{
public:
    explicit RecentValueCache(std::size_t maximumBytes)
        : m_maximumBytes(maximumBytes)
    {
    }

    template <typename Make>
    std::shared_ptr<const Value> obtain(const Key& key, Make make)
    {
        for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
            if (entry->first == key) {
                m_entries.splice(m_entries.begin(), m_entries, entry);
                return entry->second;
            }
        }
        auto value = std::make_shared<const Value>(make());
        m_bytes += value->bytes();
        m_entries.emplace_front(key, value);
        while (m_bytes > m_maximumBytes && m_entries.size() > 1) {
            m_bytes -= m_entries.back().second->bytes();
            m_entries.pop_back();
        }
        return value;
    }

private:
    std::list<std::pair<Key, std::shared_ptr<const Value>>> m_entries;
    std::size_t m_bytes = 0;
    std::size_t m_maximumBytes;
};

} // namespace Algorithms
