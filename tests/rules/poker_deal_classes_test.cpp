// The classes of deals that differ only by their suits: every deal falls into exactly one,
// and each class counts exactly its own deals.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "poker/poker_suit_classes_rules.h"

using namespace quillan;

namespace {

// A deal's four rank sets, largest first: the same for every renaming of its suits.
std::uint64_t shapeOf(const std::array<int, 5>& cards) {
    std::array<std::uint64_t, 4> sets{};
    for (const int v : cards) {
        sets[static_cast<std::size_t>(v % 4)] |= 1u << (v / 4);
    }
    std::sort(sets.begin(), sets.end(), std::greater<>());
    return sets[0] << 39 | sets[1] << 26 | sets[2] << 13 | sets[3];
}

} // namespace

TEST(PokerDealClasses, EveryDealIsInExactlyOneClassOfTheRightSize) {
    const std::vector<DealClass> classes = pokerDealClasses();
    EXPECT_EQ(classes.size(), 134459u);
    std::map<std::uint64_t, int> sizeOfShape;
    long total = 0;
    for (const DealClass& c : classes) {
        EXPECT_TRUE(std::is_sorted(c.cards.begin(), c.cards.end()));
        EXPECT_EQ(std::set<int>(c.cards.begin(), c.cards.end()).size(), 5u);
        EXPECT_TRUE(sizeOfShape.emplace(shapeOf(c.cards), c.deals).second); // no class twice
        total += c.deals;
    }
    EXPECT_EQ(total, 2598960);

    std::map<std::uint64_t, int> dealsOfShape;
    std::array<int, 5> d{};
    for (d[0] = 0; d[0] < 48; ++d[0])
        for (d[1] = d[0] + 1; d[1] < 49; ++d[1])
            for (d[2] = d[1] + 1; d[2] < 50; ++d[2])
                for (d[3] = d[2] + 1; d[3] < 51; ++d[3])
                    for (d[4] = d[3] + 1; d[4] < 52; ++d[4])
                        ++dealsOfShape[shapeOf(d)];
    EXPECT_EQ(dealsOfShape, sizeOfShape);
}
