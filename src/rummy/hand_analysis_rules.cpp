#include "rummy/hand_analysis_rules.h"

#include <bit>

#include "rummy/meld_mask_rules.h"
#include "rummy/meld_rules.h"

namespace quillan {

namespace {

enum class Finder : unsigned char { Set3, Set4, Run3, Run4, Run5 };

struct Combination {
    int size;
    std::array<Finder, 3> finders;
};

constexpr Finder S3 = Finder::Set3, S4 = Finder::Set4;
constexpr Finder R3 = Finder::Run3, R4 = Finder::Run4, R5 = Finder::Run5;

constexpr std::array<Combination, 6> kThreeMelds{{{3, {S3, S3, S3}},
                                                  {3, {S3, S3, R3}},
                                                  {3, {S3, R3, R3}},
                                                  {3, {R3, R3, R3}},
                                                  {3, {R3, S3, S3}},
                                                  {3, {R3, R3, S3}}}};
constexpr std::array<Combination, 2> kFiveRunFourMeld{{{2, {R5, S4}}, {2, {R5, R4}}}};
constexpr std::array<Combination, 2> kFiveRunThreeMeld{{{2, {R5, S3}}, {2, {R5, R3}}}};
constexpr std::array<Combination, 4> kTwoFourMelds{
    {{2, {R4, S4}}, {2, {S4, R4}}, {2, {R4, R4}}, {2, {S4, S4}}}};
constexpr std::array<Combination, 4> kFourMeldThreeMeld{
    {{2, {R4, S3}}, {2, {S4, S3}}, {2, {R4, R3}}, {2, {S4, R3}}}};
constexpr std::array<Combination, 4> kTwoThreeMelds{
    {{2, {S3, S3}}, {2, {S3, R3}}, {2, {R3, S3}}, {2, {R3, R3}}}};
constexpr std::array<Combination, 1> kFiveRun{{{1, {R5}}}};
constexpr std::array<Combination, 2> kOneFourMeld{{{1, {R4}}, {1, {S4}}}};

// Melds found by one combination and the cards left beside them, as card masks.
struct Split {
    int meldCount = 0;
    std::array<CardMask, 3> melds{};
    std::array<MeldKind, 3> kinds{};
    CardMask rest = 0;
};

CardMask find(const MaskHand& hand, Finder f, CardMask cards, bool highFirst) {
    switch (f) {
    case Finder::Set3:
        return hand.findSet(cards, 3, highFirst);
    case Finder::Set4:
        return hand.findSet(cards, 4, highFirst);
    case Finder::Run3:
        return MaskHand::findRun(cards, 3, highFirst);
    case Finder::Run4:
        return MaskHand::findRun(cards, 4, highFirst);
    case Finder::Run5:
        return MaskHand::findRun(cards, 5, highFirst);
    }
    return 0;
}

// Runs the finders of one combination, each on the rest left by the one before.
bool search(const MaskHand& hand, const Combination& combo, bool highFirst, Split& out) {
    out.meldCount = combo.size;
    CardMask current = hand.all();
    for (size_t i = 0; i < static_cast<size_t>(combo.size); ++i) {
        const Finder f = combo.finders[i];
        const CardMask meld = find(hand, f, current, highFirst);
        if (meld == 0) {
            return false;
        }
        out.melds[i] = meld;
        out.kinds[i] = f == Finder::Set3 || f == Finder::Set4 ? MeldKind::Set : MeldKind::Run;
        current &= ~meld;
    }
    out.rest = current;
    return true;
}

CardList meldList(const MaskHand& hand, const Split& split, size_t i) {
    return static_cast<int>(i) < split.meldCount ? hand.meldOf(split.melds[i], split.kinds[i])
                                                 : CardList{};
}

// High-first pass, then low-first pass; in each the combinations in order. First found wins.
template <size_t N>
bool firstFound(const MaskHand& sorted, const std::array<Combination, N>& combos, Split& out) {
    for (bool highFirst : {true, false}) {
        for (const Combination& combo : combos) {
            if (search(sorted, combo, highFirst, out)) {
                return true;
            }
        }
    }
    return false;
}

// Three 3-card melds: each combination high-first then low-first (three sets high-first
// only); every split found is tested for gin; the first gin split, else the last split found.
bool findThreeMelds(const MaskHand& sorted, Split& out, bool& gin) {
    bool found = false;
    Split split;
    for (size_t c = 0; c < kThreeMelds.size(); ++c) {
        for (bool highFirst : {true, false}) {
            if (c == 0 && !highFirst) {
                continue;
            }
            if (!search(sorted, kThreeMelds[c], highFirst, split)) {
                continue;
            }
            found = true;
            out = split;
            if (checkforgin(meldList(sorted, split, 0), meldList(sorted, split, 1),
                            meldList(sorted, split, 2), sorted.listOf(split.rest))) {
                gin = true;
                return true;
            }
        }
    }
    return found;
}

// Two 3-card melds in a ten-card hand: a set-and-set is chosen whenever found; another
// combination only when its deadwood is strictly below the bound, and one that is not ends
// the search (its own split is the result when nothing was chosen before).
bool findTwoThreeMeldsTen(const MaskHand& sorted, Split& out) {
    bool chosen = false;
    size_t chosenCombo = 0;
    bool chosenHigh = true;
    int16 bound = 0;
    Split split;
    for (bool highFirst : {true, false}) {
        for (size_t c = 0; c < kTwoThreeMelds.size(); ++c) {
            if (!search(sorted, kTwoThreeMelds[c], highFirst, split)) {
                continue;
            }
            const int16 deadwood = MaskHand::deadwoodOf(split.rest);
            if (c == 0 || deadwood < bound) {
                chosen = true;
                chosenCombo = c;
                chosenHigh = highFirst;
                bound = deadwood;
                continue;
            }
            if (!chosen) {
                out = split;
                return true;
            }
            return search(sorted, kTwoThreeMelds[chosenCombo], chosenHigh, out);
        }
    }
    return chosen && search(sorted, kTwoThreeMelds[chosenCombo], chosenHigh, out);
}

// One 3-card meld: the run is looked for first; a set replaces it only when the cards left
// beside the set count strictly less.
bool findOneThreeMeld(const MaskHand& sorted, Split& out) {
    Split run;
    Split set;
    const bool haveRun = search(sorted, {1, {R3}}, true, run);
    const bool haveSet = search(sorted, {1, {S3}}, true, set);
    if (haveSet && (!haveRun || MaskHand::deadwoodOf(set.rest) < MaskHand::deadwoodOf(run.rest))) {
        out = set;
        return true;
    }
    if (haveRun) {
        out = run;
        return true;
    }
    return false;
}

bool unmatchedExtendsRun(const MaskHand& hand, const Split& split) {
    for (const CardSlot& card : hand.listOf(split.rest)) {
        for (size_t m = 0; m < static_cast<size_t>(split.meldCount); ++m) {
            if (split.kinds[m] == MeldKind::Run && extendsRun(meldList(hand, split, m), card)) {
                return true;
            }
        }
    }
    return false;
}

void storeUnmatched(HandAnalysis& a, bool tenCards) {
    a.storedUnmatched.clear();
    if (tenCards && a.gin) {
        return;
    }
    const bool keepAll = tenCards || a.shape >= 10 || a.shape == 0;
    for (int i = 0; i < a.unmatched.size(); ++i) {
        const bool isCandidate = i == a.unmatched.size() - 1;
        a.storedUnmatched.push(isCandidate && !keepAll ? CardSlot{} : a.unmatched[i]);
    }
}

void assignKeepValues(HandAnalysis& a, std::span<const CardSlot> hand) {
    a.keepValuesSet = true;
    const auto& m = a.melds;
    if (a.shape == 1) {
        a.keepValues = assignkeepvalues333(hand, m[0], m[1], m[2], a.gin);
    } else if (a.shape <= 6) {
        a.keepValues = assignkeepvalues33(hand, m[0], m[1]);
    } else {
        a.keepValues = assignkeepvalues3(hand, m[0]);
    }
}

void planMeldMoves(HandAnalysis& a, const AnalysisInput& input) {
    const bool arranges = a.shape == 4 || a.shape == 5 || a.shape == 9 || a.shape == 10 ||
                          (a.shape == 6 && input.computerMayKnock);
    if (!input.computerTurn || !arranges) {
        return;
    }
    for (int m = 0; m < a.meldCount; ++m) {
        for (const CardSlot& card : a.melds[static_cast<size_t>(m)]) {
            a.meldMoves[static_cast<size_t>(a.meldMoveCount)] = {
                card.cardvalue, static_cast<int16>(a.meldMoveCount)};
            ++a.meldMoveCount;
        }
    }
}

HandAnalysis complete(int16 shape, const Split& split, bool gin, std::span<const CardSlot> hand,
                      const MaskHand& sorted, const AnalysisInput& input) {
    HandAnalysis a;
    a.shape = shape;
    a.gin = gin;
    a.computerMayKnock = input.computerMayKnock;
    if (shape == 0) {
        a.unmatched = sorted.listOf(sorted.all());
    } else {
        a.meldCount = split.meldCount;
        for (size_t i = 0; i < a.melds.size(); ++i) {
            a.melds[i] = meldList(sorted, split, i);
        }
        a.unmatched = sorted.listOf(split.rest);
    }
    const bool tenCards = std::popcount(sorted.all()) <= 10;
    if (!a.unmatched.empty()) {
        a.discardCandidate = a.unmatched.back();
    }
    storeUnmatched(a, tenCards);
    a.deadwood = gin ? int16{0} : countDeadwood(a.storedUnmatched);
    if (shape == 1 && !gin && input.rejectPileCards > 18 && !a.unmatched.empty() &&
        pointValue(a.unmatched.front()) > 5) {
        a.computerMayKnock = false;
    }
    if (shape != 0) {
        assignKeepValues(a, hand);
    }
    planMeldMoves(a, input);
    return a;
}

// What the whole hand could hold at best, to pass over shapes it cannot have: the cards that
// lie in some meld, and whether a 5-run or a 4-meld is there at all. A shape passed over this
// way is one every finder of it would have failed on, so the result is unchanged.
struct MeldPotential {
    int meldableCards = 0;
    bool fiveRun = false;
    bool fourMeld = false;
};

MeldPotential potentialOf(const MaskHand& hand) {
    constexpr CardMask kOnePerSuitField = 0x0001000100010001ULL;
    const CardMask all = hand.all();
    const CardMask runs3 = all & (all >> 1) & (all >> 2);
    const auto a = static_cast<unsigned>(all & 0x1FFF);
    const auto b = static_cast<unsigned>((all >> 16) & 0x1FFF);
    const auto c = static_cast<unsigned>((all >> 32) & 0x1FFF);
    const auto d = static_cast<unsigned>((all >> 48) & 0x1FFF);
    const unsigned sets3 = (a & b & (c | d)) | (c & d & (a | b)); // ranks with three or more
    const CardMask meldable =
        runs3 | (runs3 << 1) | (runs3 << 2) | (all & (CardMask{sets3} * kOnePerSuitField));
    MeldPotential p;
    p.meldableCards = std::popcount(meldable);
    p.fiveRun = MaskHand::findRun(all, 5, true) != 0;
    p.fourMeld = MaskHand::findRun(all, 4, true) != 0 || hand.findSet(all, 4, true) != 0;
    return p;
}

} // namespace

int realCardCount(std::span<const CardSlot> cards) {
    int n = 0;
    for (const CardSlot& c : cards) {
        n += c.rank >= 1 && c.rank <= 13 ? 1 : 0;
    }
    return n;
}

HandAnalysis analyseHand(std::span<const CardSlot> hand, const AnalysisInput& input) {
    if (hand.size() > static_cast<size_t>(CardList::kCapacity)) {
        raiseSubscriptOutOfRange();
    }
    const MaskHand sorted(sortedByRank(hand).span());
    const bool tenCards = std::popcount(sorted.all()) <= 10;
    const MeldPotential p = potentialOf(sorted);
    Split split;
    bool gin = false;
    if (p.meldableCards >= 9 && findThreeMelds(sorted, split, gin)) {
        return complete(1, split, gin, hand, sorted, input);
    }
    if (p.fiveRun && p.meldableCards >= 9 && firstFound(sorted, kFiveRunFourMeld, split)) {
        gin = split.kinds[1] == MeldKind::Run && unmatchedExtendsRun(sorted, split);
        return complete(2, split, gin, hand, sorted, input);
    }
    if (p.fiveRun && p.meldableCards >= 8 && firstFound(sorted, kFiveRunThreeMeld, split)) {
        return complete(3, split, false, hand, sorted, input);
    }
    if (p.fourMeld && p.meldableCards >= 8 && firstFound(sorted, kTwoFourMelds, split)) {
        return complete(4, split, false, hand, sorted, input);
    }
    if (p.fourMeld && p.meldableCards >= 7 && firstFound(sorted, kFourMeldThreeMeld, split)) {
        return complete(5, split, false, hand, sorted, input);
    }
    if (p.meldableCards >= 6 && (tenCards ? findTwoThreeMeldsTen(sorted, split)
                                          : firstFound(sorted, kTwoThreeMelds, split))) {
        return complete(6, split, false, hand, sorted, input);
    }
    for (int16 order : {int16{7}, int16{8}}) {
        if (p.fiveRun && firstFound(sorted, kFiveRun, split)) {
            return complete(order, split, false, hand, sorted, input);
        }
    }
    if (p.fourMeld && firstFound(sorted, kOneFourMeld, split)) {
        return complete(9, split, false, hand, sorted, input);
    }
    if (findOneThreeMeld(sorted, split)) {
        return complete(10, split, false, hand, sorted, input);
    }
    return complete(0, split, false, hand, sorted, input);
}

bool knockable(const HandAnalysis& analysis, int16 maxDeadwood) {
    return analysis.shape >= 1 && analysis.shape <= 9 &&
           (analysis.gin || analysis.deadwood <= maxDeadwood);
}

} // namespace quillan
