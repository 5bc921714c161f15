#include "rummy/meld_rules.h"

#include <array>

#include "rummy/meld_mask_rules.h"

namespace quillan {

namespace {

bool findMeld(const CardList& cards, CardList& meld, CardList& rest, bool highFirst, int k,
              MeldKind kind) {
    const MaskHand hand(cards.span());
    const CardMask found = kind == MeldKind::Set ? hand.findSet(hand.all(), k, highFirst)
                                                 : MaskHand::findRun(hand.all(), k, highFirst);
    meld.clear();
    rest.clear();
    if (found == 0) {
        return false;
    }
    meld = hand.meldOf(found, kind);
    rest = hand.listOf(hand.all() & ~found);
    return true;
}

bool restExtendsSet(const CardList& meld, const CardList& rest) {
    for (const CardSlot& c : rest) {
        if (c.rank == meld[0].rank) {
            return true;
        }
    }
    return false;
}

bool restExtendsRun(const CardList& meld, const CardList& rest) {
    for (const CardSlot& c : rest) {
        if (c.suit == meld[0].suit && c.rank > 0 &&
            (c.rank == meld[2].rank + 1 || c.rank == meld[0].rank - 1)) {
            return true;
        }
    }
    return false;
}

} // namespace

int16 pointValue(const CardSlot& card) {
    if (card.rank <= 0) {
        return 0;
    }
    return card.rank < 11 ? card.rank : int16{10};
}

int16 countDeadwood(std::span<const CardSlot> cards) {
    int32 sum = 0;
    for (const CardSlot& c : cards) {
        sum += pointValue(c);
    }
    return checked16(sum);
}

CardList sortedByRank(std::span<const CardSlot> hand) {
    // A stable counting sort: ranks 1..13 in turn, each rank's cards in hand order.
    std::array<int, 15> start{};
    for (const CardSlot& c : hand) {
        if (c.rank >= 1 && c.rank <= 13) {
            ++start[static_cast<size_t>(c.rank) + 1];
        }
    }
    for (size_t r = 1; r < start.size(); ++r) {
        start[r] += start[r - 1];
    }
    const int total = start[14];
    if (total > CardList::kCapacity) {
        raiseSubscriptOutOfRange();
    }
    std::array<const CardSlot*, CardList::kCapacity> order{};
    for (const CardSlot& c : hand) {
        if (c.rank >= 1 && c.rank <= 13) {
            order[static_cast<size_t>(start[static_cast<size_t>(c.rank)]++)] = &c;
        }
    }
    CardList sorted;
    for (int i = 0; i < total; ++i) {
        sorted.push(*order[static_cast<size_t>(i)]);
    }
    return sorted;
}

bool isSetMeld(const CardList& meld) {
    return meld.size() >= 2 && meld[0].rank > 0 && meld[0].rank == meld[1].rank;
}

bool isRunMeld(const CardList& meld) {
    return meld.size() >= 2 && meld[0].rank > 0 && !isSetMeld(meld) && meld[0].suit == meld[1].suit;
}

bool checkfor333rank(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findMeld(cards, meld, rest, highFirst, 3, MeldKind::Set);
}

bool check4forrankset(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findMeld(cards, meld, rest, highFirst, 4, MeldKind::Set);
}

bool checkfor3run(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findMeld(cards, meld, rest, highFirst, 3, MeldKind::Run);
}

bool check4forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findMeld(cards, meld, rest, highFirst, 4, MeldKind::Run);
}

bool check5forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findMeld(cards, meld, rest, highFirst, 5, MeldKind::Run);
}

bool checkforgin(const CardList& m1, const CardList& m2, const CardList& m3, const CardList& rest) {
    for (const CardList* m : {&m1, &m2, &m3}) {
        if (m->size() < 3) {
            continue;
        }
        if ((*m)[0].rank == (*m)[1].rank && restExtendsSet(*m, rest)) {
            return true;
        }
        if ((*m)[0].suit == (*m)[1].suit && restExtendsRun(*m, rest)) {
            return true;
        }
    }
    return false;
}

bool extendsRun(const CardList& run, const CardSlot& card) {
    if (run.empty() || card.rank <= 0 || card.suit != run[0].suit) {
        return false;
    }
    int low = 14;
    int high = 0;
    for (const CardSlot& c : run) {
        low = std::min<int>(low, c.rank);
        high = std::max<int>(high, c.rank);
    }
    return card.rank == high + 1 || card.rank == low - 1;
}

bool isSequence(std::span<const CardSlot> cards) {
    if (cards.size() > 5) {
        raiseSubscriptOutOfRange();
    }
    std::array<int, 5> ranks{};
    size_t n = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        for (const CardSlot& c : cards) {
            if (c.rank == rank) {
                ranks[n++] = rank;
            }
        }
    }
    if (n < 2) {
        return false;
    }
    for (size_t i = 1; i < n; ++i) {
        if (ranks[i] != ranks[0] + static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}

bool isMeld(std::span<const CardSlot> cards) {
    if (cards.size() > 5) {
        raiseSubscriptOutOfRange();
    }
    if (cards.empty()) {
        return false;
    }
    bool oneRank = true;
    bool oneSuit = true;
    for (const CardSlot& c : cards) {
        oneRank = oneRank && c.rank == cards[0].rank;
        oneSuit = oneSuit && c.suit == cards[0].suit;
    }
    if (oneRank) {
        return true;
    }
    return oneSuit && isSequence(cards);
}

} // namespace quillan
