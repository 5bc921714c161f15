#include "poker/poker_hold_value_rules.h"

#include <algorithm>
#include <bit>

#include "poker/poker_pay_rules.h"

namespace quillan {

namespace {

constexpr int kDeckCards = 52;
constexpr int kLanes = kCategoryCount;

// C(n, k) for n = 0..52, k = 0..5.
struct Binomials {
    std::array<std::array<std::int64_t, 6>, kDeckCards + 1> c{};
    constexpr Binomials() {
        for (int n = 0; n <= kDeckCards; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k) {
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
            }
        }
    }
};
constexpr Binomials kBinomials;

std::int64_t choose(int n, int k) {
    return kBinomials.c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// Places of every subset of five ascending cards in the colexicographic order of the sets of
// its size: the set c0 < c1 < ... < c(k-1) sits at C(c0, 1) + C(c1, 2) + ... + C(c(k-1), k).
// Bit j of a subset stands for the j-th card of `cards`.
std::array<std::int32_t, kHoldCount> subsetPlaces(const int* cards) {
    std::array<std::int32_t, kHoldCount> place{};
    for (unsigned m = 1; m < kHoldCount; ++m) {
        const int top = std::bit_width(m) - 1;
        const unsigned rest = m & ~(1u << top);
        place[m] = place[rest] + static_cast<std::int32_t>(choose(cards[top], std::popcount(m)));
    }
    return place;
}

std::array<std::int64_t, kLanes> laneCredits() {
    std::array<std::int64_t, kLanes> credits{};
    for (int c = kFirstCategory; c <= kLastCategory; ++c) {
        if (const auto style = payoutFor(c)) {
            credits[static_cast<std::size_t>(c - 1)] = style->pays;
        }
    }
    return credits;
}

int16 finalCategory(const int* cards) {
    PokerHand hand;
    for (int i = 0; i < 5; ++i) {
        setCard(hand[i], cards[i]);
    }
    return EvaluatePokerHand(hand, kFinalMode);
}

template <typename T> void bump(std::vector<T>& lanes, std::int32_t place, int lane) {
    ++lanes[static_cast<std::size_t>(place) * kLanes + static_cast<std::size_t>(lane)];
}

template <typename T>
void addLanes(const std::vector<T>& lanes, std::int64_t place,
              std::array<std::int32_t, kLanes>& out) {
    const T* from = lanes.data() + place * kLanes;
    for (int l = 0; l < kLanes; ++l) {
        out[static_cast<std::size_t>(l)] += static_cast<std::int32_t>(from[l]);
    }
}

using LaneCounts = std::array<std::array<std::int32_t, kLanes>, kHoldCount>;

// Turns "hands containing S" into "hands containing S and no other dealt card", for every
// subset S of the deal at once (inclusion-exclusion as a Moebius pass over supersets).
void keepOnlyHeld(LaneCounts& counts) {
    for (unsigned bit = 1; bit < kHoldCount; bit <<= 1) {
        for (unsigned m = 0; m < kHoldCount; ++m) {
            if ((m & bit) == 0) {
                auto& held = counts[m];
                const auto& more = counts[m | bit];
                for (int l = 0; l < kLanes; ++l) {
                    held[static_cast<std::size_t>(l)] -= more[static_cast<std::size_t>(l)];
                }
            }
        }
    }
}

} // namespace

std::int64_t drawsOf(int cards) {
    return choose(47, cards);
}

int HoldValue::keptCount() const {
    return std::popcount(mask);
}

bool holdComesFirst(const HoldValue& a, const HoldValue& b) {
    if (a.scaled() != b.scaled()) {
        return a.scaled() > b.scaled();
    }
    if (a.ladder != b.ladder) {
        return a.ladder;
    }
    if (a.keptCount() != b.keptCount()) {
        return a.keptCount() < b.keptCount();
    }
    return a.mask < b.mask;
}

const HoldValue& DealAnalysis::ladderHold() const {
    for (const HoldValue& hold : holds) {
        if (hold.ladder) {
            return hold;
        }
    }
    return best();
}

const HoldValue& DealAnalysis::forMask(unsigned mask) const {
    return holds[static_cast<std::size_t>(rankOf(mask))];
}

int DealAnalysis::rankOf(unsigned mask) const {
    for (int i = 0; i < kHoldCount; ++i) {
        if (holds[static_cast<std::size_t>(i)].mask == (mask & 31u)) {
            return i;
        }
    }
    return 0; // every mask of five cards is among the 32
}

double DealAnalysis::costOf(unsigned mask) const {
    return static_cast<double>(best().scaled() - forMask(mask).scaled()) /
           static_cast<double>(kCommonDraws);
}

HoldValueTable::HoldValueTable()
    : none_(kLanes), one_(52 * kLanes), two_(1326 * kLanes), three_(22100 * kLanes),
      four_(270725 * kLanes) {
    int c[5];
    for (c[4] = 4; c[4] < kDeckCards; ++c[4]) {
        for (c[3] = 3; c[3] < c[4]; ++c[3]) {
            for (c[2] = 2; c[2] < c[3]; ++c[2]) {
                for (c[1] = 1; c[1] < c[2]; ++c[1]) {
                    for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                        const int lane = finalCategory(c) - 1;
                        const auto place = subsetPlaces(c);
                        bump(none_, 0, lane);
                        for (unsigned m = 1; m < kHoldCount - 1; ++m) {
                            switch (std::popcount(m)) {
                            case 1:
                                bump(one_, place[m], lane);
                                break;
                            case 2:
                                bump(two_, place[m], lane);
                                break;
                            case 3:
                                bump(three_, place[m], lane);
                                break;
                            default:
                                bump(four_, place[m], lane);
                                break;
                            }
                        }
                    }
                }
            }
        }
    }
}

void HoldValueTable::addCounts(const int* cards, int size,
                               std::array<std::int32_t, kCategoryCount>& out) const {
    std::int64_t place = 0;
    for (int j = 0; j < size; ++j) {
        place += choose(cards[j], j + 1);
    }
    switch (size) {
    case 0:
        addLanes(none_, 0, out);
        break;
    case 1:
        addLanes(one_, place, out);
        break;
    case 2:
        addLanes(two_, place, out);
        break;
    case 3:
        addLanes(three_, place, out);
        break;
    case 4:
        addLanes(four_, place, out);
        break;
    default:
        out[static_cast<std::size_t>(finalCategory(cards) - 1)] += 1;
        break;
    }
}

namespace {

// Five different real cards, or "Subscript out of range": the counts are indexed by card.
void requireFiveCards(const PokerHand& deal) {
    std::uint64_t seen = 0;
    for (const CardSlot& card : deal) {
        if (card.cardvalue < 0 || card.cardvalue >= kDeckCards ||
            ((seen >> card.cardvalue) & 1u) != 0) {
            raiseSubscriptOutOfRange();
        }
        seen |= std::uint64_t{1} << card.cardvalue;
    }
}

} // namespace

DealAnalysis HoldValueTable::analyse(const PokerHand& deal) const {
    requireFiveCards(deal);
    DealAnalysis result;
    result.deal = deal;
    result.ladderCategory = EvaluatePokerHand(deal, kDealtHandMode);

    // The dealt cards in ascending order, and where each sat in the deal.
    std::array<int, 5> position{0, 1, 2, 3, 4};
    std::sort(position.begin(), position.end(),
              [&](int a, int b) { return deal[a].cardvalue < deal[b].cardvalue; });
    LaneCounts counts{};
    std::array<unsigned, kHoldCount> dealtMask{}; // subset of sorted cards -> mask of positions
    for (unsigned m = 0; m < kHoldCount; ++m) {
        int cards[5];
        int size = 0;
        for (int j = 0; j < 5; ++j) {
            if ((m >> j) & 1u) {
                cards[size++] = deal[position[static_cast<std::size_t>(j)]].cardvalue;
                dealtMask[m] |= 1u << position[static_cast<std::size_t>(j)];
            }
        }
        addCounts(cards, size, counts[m]);
    }
    keepOnlyHeld(counts);

    static const std::array<std::int64_t, kLanes> credits = laneCredits();
    for (unsigned m = 0; m < kHoldCount; ++m) {
        HoldValue& hold = result.holds[m];
        hold.mask = dealtMask[m];
        hold.finals = counts[m];
        hold.draws = drawsOf(5 - std::popcount(m));
        for (int l = 0; l < kLanes; ++l) {
            hold.payTotal +=
                credits[static_cast<std::size_t>(l)] * counts[m][static_cast<std::size_t>(l)];
        }
        hold.ladder = checkHold(deal, heldFlags(hold.mask), result.ladderCategory).right;
    }
    std::sort(result.holds.begin(), result.holds.end(), holdComesFirst);
    return result;
}

PokerHeld heldFlags(unsigned mask) {
    PokerHeld held;
    for (int i = 0; i < 5; ++i) {
        held[i] = toFlag(((mask >> i) & 1u) != 0);
    }
    return held;
}

unsigned maskOf(const PokerHeld& held) {
    unsigned mask = 0;
    for (int i = 0; i < 5; ++i) {
        mask |= isSet(held[i]) ? 1u << i : 0u;
    }
    return mask;
}

} // namespace quillan
