#include "gin/meld_search_rules.h"

#include <algorithm>
#include <bit>

namespace quillan {

namespace {

constexpr int kMaxMelds = 96;

struct MeldTable {
    std::array<CardSet, kMaxMelds> melds{};
    std::array<int, kMaxMelds> points{};
    int count = 0;
};

void addMeld(MeldTable& t, CardSet meld) {
    if (t.count < kMaxMelds) {
        t.melds[static_cast<size_t>(t.count)] = meld;
        t.points[static_cast<size_t>(t.count)] = setPoints(meld);
        ++t.count;
    }
}

MeldTable meldsOf(CardSet cards) {
    MeldTable t;
    for (int rank = 0; rank < 13; ++rank) {
        const CardSet ofRank = cards & (CardSet{0xF} << (4 * rank));
        const int n = std::popcount(ofRank);
        if (n >= 3) {
            addMeld(t, ofRank);
        }
        if (n == 4) {
            for (CardSet rest = ofRank; rest != 0; rest &= rest - 1) {
                addMeld(t, ofRank & ~(rest & -rest));
            }
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        for (int low = 0; low + 3 <= 13; ++low) {
            CardSet run = 0;
            for (int len = 1; len <= 5 && low + len <= 13; ++len) {
                const CardSet card = cardBit(4 * (low + len - 1) + suit);
                if ((cards & card) == 0) {
                    break;
                }
                run |= card;
                if (len >= 3) {
                    addMeld(t, run);
                }
            }
        }
    }
    return t;
}

int bestMelded(const MeldTable& t, int from, CardSet used, CardSet excluded) {
    int best = 0;
    for (int j = from; j < t.count; ++j) {
        const CardSet m = t.melds[static_cast<size_t>(j)];
        if ((m & (used | excluded)) == 0) {
            best = std::max(best, t.points[static_cast<size_t>(j)] +
                                      bestMelded(t, j + 1, used | m, excluded));
        }
    }
    return best;
}

} // namespace

CardSet rankMates(int card) {
    return (CardSet{0xF} << (4 * (card / 4))) & ~cardBit(card);
}

CardSet suitNeighbours(int card, int distance) {
    CardSet set = 0;
    const int rank = card / 4;
    for (int r : {rank - distance, rank + distance}) {
        if (r >= 0 && r < 13) {
            set |= cardBit(4 * r + card % 4);
        }
    }
    return set;
}

int setPoints(CardSet cards) {
    int sum = 0;
    for (; cards != 0; cards &= cards - 1) {
        sum += cardPoints(std::countr_zero(cards));
    }
    return sum;
}

int bestDeadwood(CardSet cards) {
    const MeldTable t = meldsOf(cards);
    return setPoints(cards) - bestMelded(t, 0, 0, 0);
}

int bestDeadwoodAfterThrow(CardSet cards, CardSet allowed, int* thrown) {
    const MeldTable t = meldsOf(cards);
    const int total = setPoints(cards);
    int best = 1 << 20;
    int bestCard = -1;
    for (CardSet rest = cards & allowed; rest != 0; rest &= rest - 1) {
        const int c = std::countr_zero(rest);
        const int dw = total - cardPoints(c) - bestMelded(t, 0, 0, cardBit(c));
        const bool better = dw < best || (dw == best && cardPoints(c) >= cardPoints(bestCard));
        if (bestCard < 0 || better) {
            best = dw;
            bestCard = c;
        }
    }
    if (thrown != nullptr) {
        *thrown = bestCard;
    }
    return bestCard < 0 ? bestDeadwood(cards) : best;
}

bool inSomeMeld(CardSet cards, int card) {
    const MeldTable t = meldsOf(cards | cardBit(card));
    for (int j = 0; j < t.count; ++j) {
        if ((t.melds[static_cast<size_t>(j)] & cardBit(card)) != 0) {
            return true;
        }
    }
    return false;
}

int allMelds(CardSet cards, CardSet* out, int capacity) {
    const MeldTable t = meldsOf(cards);
    const int n = std::min(t.count, capacity);
    std::copy_n(t.melds.begin(), n, out);
    return n;
}

} // namespace quillan
