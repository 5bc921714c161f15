#include "gin/strong_player_rules.h"

#include <algorithm>
#include <bit>

#include "gin/knock_timing_rules.h"
#include "gin/meld_search_rules.h"

namespace quillan {

namespace {

constexpr int kLookaheadCandidates = 4; // throws whose improvement chances are counted
constexpr double kImprovementWeight = 0.9;

// The deadwood the next draw is expected to save, over the cards that may still come.
double expectedImprovement(CardSet kept, CardSet live) {
    const int now = bestDeadwood(kept);
    const int n = std::popcount(live);
    if (n == 0) {
        return 0;
    }
    double saved = 0;
    for (CardSet s = live; s != 0; s &= s - 1) {
        const int after = bestDeadwoodAfterThrow(kept | (s & -s), kept | (s & -s));
        saved += std::max(0, now - after);
    }
    return saved / n;
}

struct Throw {
    int card = -1;
    double score = 0; // higher is better
    int deadwood = 0;
};

} // namespace

double feedingRisk(const SeatView& view, int card) {
    const CardSet live = unseenCards(view);
    const CardSet mates = rankMates(card);
    const CardSet near = suitNeighbours(card, 1);
    const CardSet far = suitNeighbours(card, 2);
    if ((view.opponentHolds & (mates | near)) != 0) {
        return 8.0; // it took a card this one melds with
    }
    const bool setPossible =
        std::popcount(live & mates) + std::popcount(view.opponentHolds & mates) >= 2;
    const bool runPossible = (live & near) != 0 && ((live & (near | far)) != 0);
    if (!setPossible && !runPossible) {
        return 0.0;
    }
    double risk = 0.5 * std::popcount(live & mates) + 0.6 * std::popcount(live & near) +
                  0.25 * std::popcount(live & far);
    if ((view.opponentHolds & far) != 0) {
        risk += 3.0;
    }
    const CardSet shown = view.opponentThrew | view.opponentPassed;
    risk -= 1.2 * std::popcount(shown & (mates | near));
    const double stage = std::min(1.0, 0.3 + static_cast<double>(view.draws) / 20.0);
    return std::clamp(risk, 0.0, 6.0) * stage;
}

DrawChoice StrongPlayer::chooseDraw(const SeatView& view) {
    if (view.reject.count < 1) {
        return DrawChoice::Stock;
    }
    const CardSet hand = handSet(view);
    const int top = view.reject.top();
    const CardSet with = hand | cardBit(top);
    const int now = bestDeadwood(hand);
    const int after = bestDeadwoodAfterThrow(with, hand);
    if (after <= view.maxDeadwood && view.maxDeadwood > 0 && after < now) {
        return DrawChoice::Reject; // the card lets it knock at once
    }
    return inSomeMeld(hand, top) && after < now ? DrawChoice::Reject : DrawChoice::Stock;
}

TurnChoice StrongPlayer::chooseTurn(const SeatView& view) {
    if (view.ginAllowed) {
        return TurnChoice::gin();
    }
    if (view.knockAllowed) {
        if (timelyKnock(view)) {
            return TurnChoice::knock();
        }
    }
    const CardSet hand = handSet(view);
    const CardSet allowed = view.takenFromReject ? hand & ~cardBit(view.takenCard) : hand;
    std::vector<Throw> throws;
    for (CardSet s = allowed; s != 0; s &= s - 1) {
        const int c = std::countr_zero(s);
        Throw t;
        t.card = c;
        t.deadwood = bestDeadwood(hand & ~cardBit(c));
        t.score = -t.deadwood - feedingRisk(view, c);
        throws.push_back(t);
    }
    std::sort(throws.begin(), throws.end(),
              [](const Throw& a, const Throw& b) { return a.score > b.score; });
    const CardSet live = unseenCards(view);
    const size_t look = std::min(throws.size(), static_cast<size_t>(kLookaheadCandidates));
    for (size_t i = 0; i < look; ++i) {
        throws[i].score +=
            kImprovementWeight * expectedImprovement(hand & ~cardBit(throws[i].card), live);
    }
    const auto best =
        std::max_element(throws.begin(), throws.begin() + static_cast<long>(look),
                         [](const Throw& a, const Throw& b) { return a.score < b.score; });
    return TurnChoice::discard(best->card);
}

} // namespace quillan
