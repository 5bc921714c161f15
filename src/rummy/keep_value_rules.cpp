#include "rummy/keep_value_rules.h"

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

void addNeighbourValues(std::span<const CardSlot> hand, KeepValues& values) {
    const size_t n = std::min(hand.size(), values.size());
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

} // namespace quillan
