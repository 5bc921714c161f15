#include "cards/hand_sort_rules.h"

#include "common/rounding.h"

namespace quillan {

namespace {

template <typename Key> void stableSortSlots(Hand& hand, int firstKey, int lastKey, Key key) {
    std::array<CardSlot, 10> work{};
    size_t n = 0;
    for (int k = firstKey; k <= lastKey; ++k) {
        for (int i = 0; i < 10; ++i) {
            if (key(hand[i]) == k && n < work.size()) {
                work[n++] = hand[i];
            }
        }
    }
    // A slot whose key is outside the range (an empty slot) is kept, after the others.
    for (int i = 0; i < 10 && n < work.size(); ++i) {
        const int k = key(hand[i]);
        if (k < firstKey || k > lastKey) {
            work[n++] = hand[i];
        }
    }
    for (int i = 0; i < 10; ++i) {
        hand[i] = work[static_cast<size_t>(i)];
    }
}

} // namespace

void sortByRank(Hand& hand) {
    stableSortSlots(hand, 1, 13, [](const CardSlot& c) { return static_cast<int>(c.rank); });
}

void sortBySuit(Hand& hand) {
    stableSortSlots(hand, 0, 3, [](const CardSlot& c) { return static_cast<int>(c.suit); });
}

std::array<int32, 10> layout334(int16 cardSpacing) {
    std::array<int32, 10> x{};
    double p = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = static_cast<int32>(p);
        p += cardSpacing;
        if (i == 2 || i == 5) {
            p = static_cast<double>(roundToInt(p + cardSpacing / 2.0));
        }
    }
    return x;
}

void layOutSortedHand(Hand& hand, int16 cardSpacing, int16 handTop, int32 cWidth) {
    const std::array<int32, 10> x = layout334(cardSpacing);
    for (int i = 0; i < 10; ++i) {
        CardSlot& slot = hand[i];
        slot.x = x[static_cast<size_t>(i)];
        slot.y = handTop;
        slot.xEnd =
            i == 9 ? checked32(std::int64_t{slot.x} + cWidth) : x[static_cast<size_t>(i) + 1];
    }
}

} // namespace quillan
