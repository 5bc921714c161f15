#include "rummy/computer_rules.h"

#include <algorithm>

namespace quillan {

bool computerTakesReject(std::span<const CardSlot> hand) {
    if (hand.size() < 11) {
        raiseSubscriptOutOfRange();
    }
    int16 lowest = 10;
    for (size_t i = 0; i < 10; ++i) {
        lowest = std::min(lowest, hand[i].keepValue);
    }
    return lowest < hand[10].keepValue;
}

int chooseComputerDiscard(std::span<const CardSlot> hand) {
    if (hand.empty()) {
        raiseSubscriptOutOfRange();
    }
    int chosen = 0;
    int16 smallest = 10;
    bool below = false;
    for (size_t i = 0; i < hand.size(); ++i) {
        if (hand[i].keepValue < 10 && (!below || hand[i].keepValue < smallest)) {
            below = true;
            smallest = hand[i].keepValue;
            chosen = static_cast<int>(i);
        }
    }
    for (size_t i = 0; i < hand.size(); ++i) {
        if (hand[i].keepValue == smallest &&
            hand[i].rank > hand[static_cast<size_t>(chosen)].rank) {
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

ComputerAction computerKnockAction(const HandAnalysis& analysis, int16 maxDeadwood) {
    if (!analysis.computerMayKnock || !knockable(analysis, maxDeadwood)) {
        return ComputerAction::Continue;
    }
    return analysis.shape == 1 && analysis.gin ? ComputerAction::Gin : ComputerAction::Knock;
}

int arrangeCompletedCards(std::span<CardSlot> hand, int16 cardvalue, int target) {
    if (target < 0 || static_cast<size_t>(target) >= hand.size()) {
        raiseSubscriptOutOfRange();
    }
    const auto held = hand.first(std::min<size_t>(hand.size(), 10));
    const auto it = std::find_if(held.begin(), held.end(), [cardvalue](const CardSlot& c) {
        return c.rank > 0 && c.cardvalue == cardvalue;
    });
    if (it == held.end()) {
        return -1;
    }
    CardSlot& from = *it;
    CardSlot& to = hand[static_cast<size_t>(target)];
    std::swap(from.cardvalue, to.cardvalue);
    std::swap(from.rank, to.rank);
    std::swap(from.suit, to.suit);
    std::swap(from.keepValue, to.keepValue);
    return static_cast<int>(it - held.begin());
}

void applyComputerAnalysis(Hand& handComputer, const HandAnalysis& analysis, int analysedSlots) {
    if (analysis.keepValuesSet) {
        for (int i = 0; i < std::min(analysedSlots, 11); ++i) {
            handComputer[i].keepValue = analysis.keepValues[static_cast<size_t>(i)];
        }
    }
    applyMeldMoves(std::span<CardSlot>(handComputer.begin(), handComputer.end()), analysis);
}

RejectJudgement judgeRejectCard(const Hand& handComputer, const CardSlot& rejectCard,
                                int rejectPileCards) {
    RejectJudgement j;
    j.hand = handComputer;
    copyCard(j.hand[10], rejectCard);
    j.hand[10].keepValue = 0;
    j.analysis = analyseHand(std::span<const CardSlot>(j.hand.begin(), j.hand.end()),
                             {true, false, rejectPileCards});
    applyComputerAnalysis(j.hand, j.analysis, 11);
    j.take = computerTakesReject(std::span<const CardSlot>(j.hand.begin(), j.hand.end()));
    return j;
}

void applyMeldMoves(std::span<CardSlot> hand, const HandAnalysis& analysis) {
    for (int i = 0; i < analysis.meldMoveCount; ++i) {
        const MeldMove& move = analysis.meldMoves[static_cast<size_t>(i)];
        arrangeCompletedCards(hand, move.cardvalue, move.target);
    }
}

} // namespace quillan
