#include "engine/transforms/RecentValueCache.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Algorithms;

namespace {

struct Block
{
    std::vector<char> data;
    std::size_t bytes() const { return data.size(); }
};

} // namespace

// Within its budget a value is made once; beyond it the least recently used value goes
// first, while a value still held stays valid.
TEST(RecentValueCache, MakesEachValueOnceAndDropsTheLeastRecentlyUsed)
{
    RecentValueCache<int, Block> cache(250);
    int made = 0;
    auto obtain = [&](int key) {
        return cache.obtain(key, [&] {
            ++made;
            return Block{std::vector<char>(100, static_cast<char>(key))};
        });
    };
    const auto first = obtain(1);
    obtain(2);
    EXPECT_EQ(obtain(1)->data[0], 1);
    EXPECT_EQ(made, 2);
    obtain(3); // over budget: 2 is the least recently used
    EXPECT_EQ(made, 3);
    obtain(1);
    EXPECT_EQ(made, 3);
    obtain(2);
    EXPECT_EQ(made, 4);
    EXPECT_EQ(first->data.size(), 100u);
    EXPECT_EQ(first->data[99], 1);
}
