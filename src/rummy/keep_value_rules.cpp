#include "rummy/keep_value_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quillan {

namespace {

constexpr int16 kInMeld = 10;

KeepValues markMelds(std::span<const CardSlot> hand, std::initializer_list<const CardList*> melds) {
    if (hand.size() > CardList::kCapacity) {
        raiseSubscriptOutOfRange();
    }
    KeepValues values{};
    for (size_t i = 0; i < hand.size(); ++i) {
        for (const CardList* meld : melds) {
            if (meld->holds(hand[i].cardvalue) && hand[i].rank > 0) {
                values[i] = kInMeld;
            }
        }
    }
    return values;
}

} // namespace

KeepValues assignkeepvalues333(std::span<const CardSlot> hand, const CardList& m1,
                               const CardList& m2, const CardList& m3, bool gin) {
    KeepValues values = markMelds(hand, {&m1, &m2, &m3});
    if (gin && hand.size() > 10 && hand[10].rank > 0) {
        values[10] = kInMeld;
    }
    return values;
}

KeepValues assignkeepvalues33(std::span<const CardSlot> hand, const CardList& m1,
                              const CardList& m2) {
    KeepValues values = markMelds(hand, {&m1, &m2});
    addNeighbourValues(hand, values);
    return values;
}

KeepValues assignkeepvalues3(std::span<const CardSlot> hand, const CardList& m1) {
    KeepValues values = markMelds(hand, {&m1});
    addNeighbourValues(hand, values);
    return values;
}

namespace {

// The pairwise count, for hands whose cards cannot be told apart by rank and suit alone.
void addNeighbourValuesPairwise(std::span<const CardSlot> hand, KeepValues& values, size_t n) {
    auto counts = [&](size_t i) { return hand[i].rank > 0 && values[i] != kInMeld; };
    KeepValues added{};
    for (size_t i = 0; i < n; ++i) {
        if (!counts(i)) {
            continue;
        }
        for (size_t j = 0; j < n; ++j) {
            if (!counts(j)) {
                continue;
            }
            if (hand[i].rank == hand[j].rank) {
                ++added[i];
            }
            if (hand[i].suit == hand[j].suit && std::abs(hand[i].rank - hand[j].rank) == 1) {
                ++added[i];
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        values[i] = static_cast<int16>(values[i] + added[i]);
    }
}

int bitCount(std::uint64_t x) {
    int n = 0;
    for (; x != 0; x &= x - 1) {
        ++n;
    }
    return n;
}

} // namespace

void addNeighbourValues(std::span<const CardSlot> hand, KeepValues& values) {
    const size_t n = std::min(hand.size(), values.size());
    // The cards that count, one bit per rank and suit (bit 4 * (rank - 1) + suit).
    std::uint64_t counted = 0;
    for (size_t i = 0; i < n; ++i) {
        if (hand[i].rank <= 0 || values[i] == kInMeld) {
            continue;
        }
        const int bit = 4 * (hand[i].rank - 1) + hand[i].suit;
        if (hand[i].rank > 13 || hand[i].suit < 0 || hand[i].suit > 3 ||
            (counted >> bit & 1) != 0) {
            addNeighbourValuesPairwise(hand, values, n);
            return;
        }
        counted |= std::uint64_t{1} << bit;
    }
    for (size_t i = 0; i < n; ++i) {
        if (hand[i].rank <= 0 || values[i] == kInMeld) {
            continue;
        }
        const int rank0 = hand[i].rank - 1;
        std::uint64_t near = 0;
        for (int r : {rank0 - 1, rank0 + 1}) {
            if (r >= 0 && r < 13) {
                near |= std::uint64_t{1} << (4 * r + hand[i].suit);
            }
        }
        const std::uint64_t sameRank = counted & (std::uint64_t{0xF} << (4 * rank0));
        values[i] = static_cast<int16>(values[i] + bitCount(sameRank) + bitCount(counted & near));
    }
}

} // namespace quillan
