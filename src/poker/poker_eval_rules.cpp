#include "poker/poker_eval_rules.h"

#include <array>
#include <cstdint>

#include "poker/poker_ladder_rules.h"

namespace quillan {

namespace {

constexpr int kAce = 1;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;

constexpr unsigned bit(int rank) {
    return 1u << rank;
}
constexpr unsigned kHighRanks = bit(kAce) | bit(kJack) | bit(kQueen) | bit(kKing);
constexpr unsigned kRoyalRanks = kHighRanks | bit(10);
constexpr unsigned kFaceRanks = bit(kJack) | bit(kQueen) | bit(kKing);

bool realRank(int rank) {
    return rank >= kAce && rank <= kKing;
}
bool realSuit(int suit) {
    return suit >= 0 && suit <= 3;
}

// The five cards counted by rank and by suit, in registers: rank sets as bit masks (bit r for
// rank r), the ranks of each suit as 16-bit lanes of one word, and per-suit counts as 8-bit
// lanes. Placeholders take part in nothing; since they would sort after every real card, a
// run of real ranks is never broken by them.
struct Shape {
    unsigned ranks = 0;  // ranks held at least once
    unsigned twice = 0;  // ... at least twice
    unsigned thrice = 0; // ... at least three times
    unsigned four = 0;   // ... four times
    std::uint64_t suitRanks = 0;
    std::uint32_t perSuit = 0;
    std::uint32_t royalPerSuit = 0;
    std::uint32_t highPerSuit = 0;
    int realCards = 0;
    int highCards = 0;

    unsigned pairRanks() const { return twice & ~thrice; }
    bool twoPairs() const { return (pairRanks() & (pairRanks() - 1)) != 0; }
    bool trips() const { return (thrice & ~four) != 0; }
    unsigned ranksOfSuit(int suit) const {
        return static_cast<unsigned>(suitRanks >> (16 * suit)) & 0xFFFFu;
    }
    int cardsOfSuit(int suit) const { return static_cast<int>((perSuit >> (8 * suit)) & 0xFFu); }
};

void addCard(int rank, int suit, Shape& s) {
    const unsigned b = bit(rank);
    s.four |= s.thrice & b;
    s.thrice |= s.twice & b;
    s.twice |= s.ranks & b;
    s.ranks |= b;
    const int lane = 8 * suit;
    s.suitRanks |= static_cast<std::uint64_t>(b) << (16 * suit);
    s.perSuit += 1u << lane;
    s.royalPerSuit += ((kRoyalRanks & b) ? 1u : 0u) << lane;
    s.highPerSuit += ((kHighRanks & b) ? 1u : 0u) << lane;
    ++s.realCards;
    s.highCards += (kHighRanks & b) ? 1 : 0;
}

Shape shapeOf(const PokerHand& hand) {
    Shape s;
    for (int i = 0; i < 5; ++i) {
        const int rank = hand[i].rank;
        const int suit = hand[i].suit;
        if (realRank(rank) && realSuit(suit)) {
            addCard(rank, suit, s);
        }
    }
    return s;
}

// Some 8-bit lane of `perSuit` is at least `atLeast` (lanes never exceed 5).
bool anySuit(std::uint32_t perSuit, int atLeast) {
    const std::uint32_t bias = static_cast<std::uint32_t>(0x80 - atLeast) * 0x01010101u;
    return ((perSuit + bias) & 0x80808080u) != 0;
}

// Start ranks of every run of `length` consecutive ranks (ace low) in `ranks`.
unsigned runStarts(unsigned ranks, int length) {
    unsigned starts = ranks;
    for (int k = 1; k < length; ++k) {
        starts &= ranks >> k;
    }
    return starts;
}

bool fiveDifferent(const Shape& s) {
    return s.realCards == 5 && s.twice == 0;
}

bool isFlush(const Shape& s) {
    return anySuit(s.perSuit, 5);
}

bool isRun(const Shape& s) {
    return fiveDifferent(s) && runStarts(s.ranks, 5) != 0;
}

bool isAceHigh(const Shape& s) {
    return fiveDifferent(s) && s.ranks == kRoyalRanks;
}

// Some suit holding exactly `count` cards whose ranks follow one another (ace low).
bool suitedRun(const Shape& s, int count) {
    for (int suit = 0; suit < 4; ++suit) {
        if (s.cardsOfSuit(suit) == count && runStarts(s.ranksOfSuit(suit), count) != 0) {
            return true;
        }
    }
    return false;
}

// Four consecutive ranks among five different ones, except A-2-3-4 (the ace is low only).
bool isOutsideFour(const Shape& s) {
    return (runStarts(s.ranks, 4) & ~bit(kAce)) != 0;
}

bool suitedTenAndFace(const Shape& s) {
    for (int suit = 0; suit < 4; ++suit) {
        const unsigned held = s.ranksOfSuit(suit);
        if ((held & bit(10)) != 0 && (held & kFaceRanks) != 0) {
            return true;
        }
    }
    return false;
}

// Rungs 1..11, or 0 when none holds.
int16 madeHand(const Shape& s, bool dealt) {
    const bool flush = isFlush(s);
    if (flush && isAceHigh(s)) {
        return kRoyal;
    }
    if (flush && isRun(s)) {
        return kStraightFlush;
    }
    if (s.four != 0) {
        return kFourOfAKind;
    }
    if (s.trips() && s.pairRanks() != 0) {
        return kFullHouse;
    }
    if (dealt && anySuit(s.royalPerSuit, 4)) {
        return kFourToRoyal;
    }
    if (flush) {
        return kFlush;
    }
    if (isRun(s) || isAceHigh(s)) {
        return kStraight;
    }
    if (s.trips()) {
        return kThreeOfAKind;
    }
    if (dealt && suitedRun(s, 4)) {
        return kFourToStraightFlush;
    }
    if (s.twoPairs()) {
        return kTwoPair;
    }
    return (s.pairRanks() & kHighRanks) != 0 ? int16{kHighPair} : int16{0};
}

// Rungs 12..21, tested once no made hand holds.
int16 drawHand(const Shape& s) {
    if (anySuit(s.royalPerSuit, 3)) {
        return kThreeToRoyal;
    }
    if (anySuit(s.perSuit, 4)) {
        return kFourToFlush;
    }
    if (s.pairRanks() != 0) {
        return kLowPair;
    }
    if (isOutsideFour(s)) {
        return kFourToOutsideStraight;
    }
    if (anySuit(s.highPerSuit, 2)) {
        return kTwoHighSuited;
    }
    if (suitedRun(s, 3)) {
        return kThreeToStraightFlush;
    }
    if (s.highCards >= 2) {
        return kTwoHigh;
    }
    if (suitedTenAndFace(s)) {
        return kSuitedTenFace;
    }
    return s.highCards >= 1 ? int16{kOneHigh} : int16{kAllTrash};
}

} // namespace

int16 EvaluatePokerHand(const PokerHand& hand, int16 mode) {
    const Shape shape = shapeOf(hand);
    const int16 made = madeHand(shape, !isSet(mode));
    return made != 0 ? made : drawHand(shape);
}

} // namespace quillan
