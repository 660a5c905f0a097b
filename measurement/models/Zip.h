#pragma once

#include <cstddef>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace Helpers::Ranges {

namespace details {

struct zip_ranges_not_equal : std::runtime_error
{
    zip_ranges_not_equal()
        : std::runtime_error("zip containers size are not equal")
    {
    }
};

template <typename... Iterators>
class ZipIterator
{
public:
    explicit ZipIterator(Iterators... iterators)
        : m_iterators(iterators...)
    {
    }

    auto operator*() const
    {
        return std::apply([](const auto&... it) { return std::tuple<decltype(*it)...>(*it...); }, m_iterators);
    }

    ZipIterator& operator++()
    {
        std::apply([](auto&... it) { (++it, ...); }, m_iterators);
        return *this;
    }

    // The ranges are equally long, so the first iterator decides.
    bool operator!=(const ZipIterator& other) const
    {
        return std::get<0>(m_iterators) != std::get<0>(other.m_iterators);
    }

private:
    std::tuple<Iterators...> m_iterators;
};

template <typename... Containers>
class ZipRange
{
public:
    explicit ZipRange(Containers&... containers)
        : m_containers(containers...)
    {
        const std::size_t sizes[] = {static_cast<std::size_t>(std::size(containers))...};
        for (std::size_t size : sizes) {
            if (size != sizes[0])
                throw zip_ranges_not_equal();
        }
    }

    auto begin() const
    {
        return std::apply([](auto&... c) { return ZipIterator<decltype(std::begin(c))...>(std::begin(c)...); },
                          m_containers);
    }
    auto end() const
    {
        return std::apply([](auto&... c) { return ZipIterator<decltype(std::end(c))...>(std::end(c)...); },
                          m_containers);
    }

private:
    std::tuple<Containers&...> m_containers;
};

} // namespace details

// Walks equally long containers in step, yielding tuples of references to the
// elements at equal positions. Unequal sizes throw before any element is visited.
template <typename First, typename Second, typename... Rest>
auto zip(First& first, Second& second, Rest&... rest)
{
    return details::ZipRange<First, Second, Rest...>(first, second, rest...);
}

} // namespace Helpers::Ranges
