#pragma once

#include <mutex>
#include <shared_mutex>
#include <utility>

// One cached value with its own reader-writer lock: readers on any thread
// copy it under a shared lock, the writer replaces it under an exclusive one.
template <typename T>
class LockedValue
{
public:
    explicit LockedValue(T initial = T{})
        : m_value(std::move(initial))
    {
    }

    T get() const
    {
        std::shared_lock<std::shared_mutex> lock(m_mutex);
        return m_value;
    }

    void set(T value)
    {
        std::unique_lock<std::shared_mutex> lock(m_mutex);
        m_value = std::move(value);
    }

    // Replaces the value when shouldReplace(old, new) holds; true when it did.
    template <typename Predicate>
    bool replaceIf(T value, Predicate shouldReplace)
    {
        std::unique_lock<std::shared_mutex> lock(m_mutex);
        if (!shouldReplace(m_value, value))
            return false;
        m_value = std::move(value);
        return true;
    }

private:
    mutable std::shared_mutex m_mutex;
    T m_value;
};
