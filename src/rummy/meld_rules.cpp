#include "rummy/meld_rules.h"

#include <array>

namespace quillan {

namespace {

// Every card of `cards` whose cardvalue is not in `meld`, in input order.
void fillRest(const CardList& cards, const CardList& meld, CardList& rest) {
    rest.clear();
    for (const CardSlot& c : cards) {
        if (!meld.holds(c.cardvalue)) {
            rest.push(c);
        }
    }
}

bool findSet(const CardList& cards, CardList& meld, CardList& rest, bool highFirst, int k) {
    meld.clear();
    rest.clear();
    std::array<int, 14> count{};
    for (const CardSlot& c : cards) {
        if (c.rank >= 1 && c.rank <= 13) {
            ++count[static_cast<size_t>(c.rank)];
        }
    }
    for (int step = 0; step < 13; ++step) {
        const int rank = highFirst ? 13 - step : 1 + step;
        if (count[static_cast<size_t>(rank)] < k) {
            continue;
        }
        for (const CardSlot& c : cards) {
            if (c.rank == rank && meld.size() < k) {
                meld.push(c);
            }
        }
        fillRest(cards, meld, rest);
        return true;
    }
    return false;
}

// Copies the window of k cards starting at `first` of the suit list; 3-card runs lowest card
// first, longer runs highest card first.
void copyRun(const CardList& suitCards, int first, int k, CardList& meld) {
    meld.clear();
    for (int i = 0; i < k; ++i) {
        meld.push(suitCards[k == 3 ? first + i : first + k - 1 - i]);
    }
}

bool windowRises(const CardList& suitCards, int first, int k) {
    for (int i = 1; i < k; ++i) {
        if (suitCards[first + i].rank != suitCards[first + i - 1].rank + 1) {
            return false;
        }
    }
    return true;
}

bool findRun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst, int k) {
    meld.clear();
    rest.clear();
    std::array<CardList, 4> bySuit;
    for (const CardSlot& c : cards) {
        if (c.rank >= 1 && c.suit >= 0 && c.suit <= 3) {
            bySuit[static_cast<size_t>(c.suit)].push(c);
        }
    }
    for (int step = 0; step < 4; ++step) {
        const CardList& suitCards = bySuit[static_cast<size_t>(highFirst ? 3 - step : step)];
        const int windows = suitCards.size() - k + 1;
        for (int w = 0; w < windows; ++w) {
            const int first = highFirst ? windows - 1 - w : w;
            if (windowRises(suitCards, first, k)) {
                copyRun(suitCards, first, k, meld);
                fillRest(cards, meld, rest);
                return true;
            }
        }
    }
    return false;
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
    CardList sorted;
    for (int rank = 1; rank <= 13; ++rank) {
        for (const CardSlot& c : hand) {
            if (c.rank == rank) {
                sorted.push(c);
            }
        }
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
    return findSet(cards, meld, rest, highFirst, 3);
}

bool check4forrankset(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findSet(cards, meld, rest, highFirst, 4);
}

bool checkfor3run(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findRun(cards, meld, rest, highFirst, 3);
}

bool check4forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findRun(cards, meld, rest, highFirst, 4);
}

bool check5forrun(const CardList& cards, CardList& meld, CardList& rest, bool highFirst) {
    return findRun(cards, meld, rest, highFirst, 5);
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
