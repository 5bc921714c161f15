#include "gin/deal_sampler_rules.h"

#include <algorithm>
#include <bit>

#include "gin/meld_search_rules.h"

namespace quillan {

namespace {

// The cards that meld with `card`: the rest of its rank and its suit neighbours one and two
// away.
CardSet partnersOf(int card) {
    return rankMates(card) | suitNeighbours(card, 1) | suitNeighbours(card, 2);
}

// One hand for the other seat: the cards it is known to hold, the rest drawn by weight
// without replacement.
CardSet drawOpponentHand(const SeatView& view, const std::array<double, 52>& weights,
                         SampleRandom& random) {
    std::array<int, 52> unseen{};
    int n = 0;
    for (CardSet s = unseenCards(view); s != 0; s &= s - 1) {
        unseen[static_cast<size_t>(n++)] = std::countr_zero(s);
    }
    CardSet hand = view.opponentHolds;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int held = std::popcount(hand); held < 10 && n > 0; ++held) {
        double total = 0;
        for (int i = 0; i < n; ++i) {
            total += weights[static_cast<size_t>(unseen[static_cast<size_t>(i)])];
        }
        double pick = uniform(random) * total;
        int i = 0;
        for (; i < n - 1; ++i) {
            pick -= weights[static_cast<size_t>(unseen[static_cast<size_t>(i)])];
            if (pick < 0) {
                break;
            }
        }
        hand |= cardBit(unseen[static_cast<size_t>(i)]);
        unseen[static_cast<size_t>(i)] = unseen[static_cast<size_t>(--n)];
    }
    return hand;
}

// A hand as a player who has drawn `turns` times would hold it: each turn a card comes from
// the unseen cards and the card leaving the lowest deadwood goes back among them (its real
// throws are on the table already; these are the ones the sample makes up). The cards it is
// known to have taken from the reject pile stay.
CardSet evolveHand(const SeatView& view, CardSet hand, int turns, SampleRandom& random) {
    CardSet pool = unseenCards(view) & ~hand;
    for (int t = 0; t < turns && pool != 0; ++t) {
        const int n = std::popcount(pool);
        int k = std::uniform_int_distribution<int>(0, n - 1)(random);
        CardSet c = pool;
        for (; k > 0; --k) {
            c &= c - 1;
        }
        const int drawn = std::countr_zero(c);
        hand |= cardBit(drawn);
        pool &= ~cardBit(drawn);
        int thrown = -1;
        bestDeadwoodAfterThrow(hand, hand & ~view.opponentHolds, &thrown);
        if (thrown >= 0) {
            hand &= ~cardBit(thrown);
            pool |= cardBit(thrown);
        }
    }
    return hand;
}

// How well a hand fits the other seat's play: it would not have thrown or passed over a card
// that melds with what it holds.
double plausibility(const SeatView& view, CardSet hand) {
    double w = 1.0;
    for (CardSet s = view.opponentThrew | view.opponentPassed; s != 0; s &= s - 1) {
        if (inSomeMeld(hand, std::countr_zero(s))) {
            w *= 0.15;
        }
    }
    return w;
}

constexpr int kCandidateHands = 12;

CardSet pickOpponentHand(const SeatView& view, const std::array<double, 52>& weights,
                         SampleRandom& random) {
    std::array<CardSet, kCandidateHands> hands{};
    std::array<double, kCandidateHands> fit{};
    double total = 0;
    for (int i = 0; i < kCandidateHands; ++i) {
        hands[static_cast<size_t>(i)] =
            evolveHand(view, drawOpponentHand(view, weights, random), view.draws / 2, random);
        fit[static_cast<size_t>(i)] = plausibility(view, hands[static_cast<size_t>(i)]);
        total += fit[static_cast<size_t>(i)];
    }
    double pick = std::uniform_real_distribution<double>(0.0, total)(random);
    for (int i = 0; i < kCandidateHands - 1; ++i) {
        pick -= fit[static_cast<size_t>(i)];
        if (pick < 0) {
            return hands[static_cast<size_t>(i)];
        }
    }
    return hands[kCandidateHands - 1];
}

} // namespace

std::array<double, 52> opponentCardWeights(const SeatView& view) {
    std::array<double, 52> w{};
    w.fill(1.0);
    for (CardSet s = view.opponentThrew | view.opponentPassed; s != 0; s &= s - 1) {
        for (CardSet p = partnersOf(std::countr_zero(s)); p != 0; p &= p - 1) {
            w[static_cast<size_t>(std::countr_zero(p))] *= 0.75;
        }
    }
    for (CardSet s = view.opponentHolds; s != 0; s &= s - 1) {
        for (CardSet p = partnersOf(std::countr_zero(s)); p != 0; p &= p - 1) {
            w[static_cast<size_t>(std::countr_zero(p))] *= 1.6;
        }
    }
    return w;
}

TablePosition sampleTable(const SeatView& view, const std::array<double, 52>& weights,
                          SampleRandom& random) {
    const int me = seatIndex(view.seat);
    const int other = seatIndex(otherSeat(view.seat));
    TablePosition p;
    p.setup.variant = view.variant;
    p.setup.leader = view.leader;
    p.setup.playerBank = view.seat == Seat::Player ? view.ownBank : view.opponentBank;
    p.setup.computerBank = view.seat == Seat::Player ? view.opponentBank : view.ownBank;
    p.maxDeadwood = view.maxDeadwood;
    p.hands[static_cast<size_t>(me)] = view.hand;
    p.reject = view.reject;
    p.toAct = view.seat;
    p.decision = view.decision;
    p.takenFromReject = view.takenFromReject;
    p.draws = view.draws;
    p.heldFromReject[static_cast<size_t>(other)] = view.opponentHolds;
    p.threw[static_cast<size_t>(other)] = view.opponentThrew;
    p.passed[static_cast<size_t>(other)] = view.opponentPassed;
    p.heldFromReject[static_cast<size_t>(me)] = view.ownFromReject;
    p.threw[static_cast<size_t>(me)] = view.ownThrew;
    p.passed[static_cast<size_t>(me)] = view.ownPassed;

    CardSet hand = pickOpponentHand(view, weights, random);
    std::array<int, 10> cards{};
    int held = 0;
    for (CardSet c = hand; c != 0 && held < 10; c &= c - 1) {
        cards[static_cast<size_t>(held++)] = std::countr_zero(c);
    }
    std::shuffle(cards.begin(), cards.begin() + held, random);
    for (int k = 0; k < held; ++k) {
        setCard(p.hands[static_cast<size_t>(other)][k], cards[static_cast<size_t>(k)]);
    }
    std::array<int, 52> unseen{};
    int n = 0;
    for (CardSet c = unseenCards(view) & ~hand; c != 0; c &= c - 1) {
        unseen[static_cast<size_t>(n++)] = std::countr_zero(c);
    }
    std::shuffle(unseen.begin(), unseen.begin() + n, random);
    p.stockCount = std::min(n, view.stockCount);
    for (int k = 0; k < p.stockCount; ++k) {
        p.stock[static_cast<size_t>(k)] = static_cast<std::int8_t>(unseen[static_cast<size_t>(k)]);
    }
    return p;
}

} // namespace quillan
