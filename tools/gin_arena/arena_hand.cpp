#include "arena_hand.h"

#include <chrono>

#include "gin/gin_play_rules.h"

namespace quillan::arena {

namespace {

using Clock = std::chrono::steady_clock;

class ArenaHandPlay {
  public:
    ArenaHandPlay(const HandSetup& setup, Seat seatOfA, std::array<SidePlayers*, 2> sides,
                  std::array<std::uint64_t, 2> seeds, HandCosts& costs)
        : table_(setup), seatOfA_(seatOfA), sides_(sides), costs_(costs) {
        bySeat_[static_cast<size_t>(seatIndex(seatOfA))] = &sides[0]->forHand(seeds[0]);
        bySeat_[static_cast<size_t>(seatIndex(otherSeat(seatOfA)))] = &sides[1]->forHand(seeds[1]);
    }

    ArenaHand play() {
        bySeat_[0]->startHand(table_.view(Seat::Player));
        bySeat_[1]->startHand(table_.view(Seat::Computer));
        told_ = table_.events().size();
        int lost = forfeiter(sideOf(table_.toAct()));
        while (lost < 0 && !table_.over()) {
            const int side = sideOf(table_.toAct());
            if (step(side)) {
                tellEvents();
            }
            lost = forfeiter(side);
        }
        ArenaHand hand = lost < 0 ? arenaHandOf(table_.outcome(), seatOfA_) : forfeited(lost);
        for (const TableEvent& e : table_.events()) {
            const bool took = e.kind != SeatEvent::Kind::Discarded;
            hand.turns[static_cast<size_t>(sideOf(e.seat))] += took ? 1 : 0;
        }
        for (Seat seat : {Seat::Player, Seat::Computer}) {
            player(seat).endHand(lost < 0 ? seatResult(table_.outcome(), seat)
                                          : forfeitResult(sideOf(seat) == lost));
        }
        return hand;
    }

  private:
    int sideOf(Seat seat) const { return seat == seatOfA_ ? 0 : 1; }
    GinPlayer& player(Seat seat) { return *bySeat_[static_cast<size_t>(seatIndex(seat))]; }

    // The side whose player forfeited the hand, `first` looked at first; -1 for none.
    int forfeiter(int first) const {
        for (int side : {first, 1 - first}) {
            if (sides_[static_cast<size_t>(side)]->handForfeited()) {
                return side;
            }
        }
        return -1;
    }

    // One decision of the seat to act; false when its player forfeited instead.
    bool step(int side) {
        const Seat seat = table_.toAct();
        const SeatView view = table_.view(seat);
        GinPlayer& p = player(seat);
        const Clock::time_point start = Clock::now();
        if (table_.decision() == Decision::Draw) {
            const DrawChoice choice = p.chooseDraw(view);
            if (!timed(side, start)) {
                return false;
            }
            if (table_.draw(choice) != MoveError::None) {
                ++costs_.refused[static_cast<size_t>(side)];
                table_.draw(DrawChoice::Stock);
            }
            return true;
        }
        const TurnChoice choice = p.chooseTurn(view);
        if (!timed(side, start)) {
            return false;
        }
        if (table_.turn(choice) != MoveError::None) {
            ++costs_.refused[static_cast<size_t>(side)];
            table_.turn(fallbackTurn(view));
        }
        return true;
    }

    // Records the decision's time; false when the side forfeited in it.
    bool timed(int side, Clock::time_point start) {
        const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
        costs_.decisionMs[static_cast<size_t>(side)].push_back(spent.count());
        return !sides_[static_cast<size_t>(side)]->handForfeited();
    }

    void tellEvents() { quillan::tellEvents(table_, told_, bySeat_); }

    static ArenaHand forfeited(int side) {
        ArenaHand hand;
        hand.ending = ArenaEnding::Forfeit;
        hand.forfeiter = side;
        hand.winner = 1 - side;
        return hand;
    }

    static SeatResult forfeitResult(bool forfeiter) {
        SeatResult r;
        r.won = !forfeiter;
        r.lost = forfeiter;
        return r;
    }

    GinTable table_;
    Seat seatOfA_;
    std::array<SidePlayers*, 2> sides_;
    std::array<GinPlayer*, 2> bySeat_{};
    HandCosts& costs_;
    size_t told_ = 0;
};

ArenaEnding arenaEnding(HandEndingKind ending) {
    switch (ending) {
    case HandEndingKind::Knock:
        return ArenaEnding::Knock;
    case HandEndingKind::Gin:
        return ArenaEnding::Gin;
    case HandEndingKind::Undercut:
        return ArenaEnding::Undercut;
    case HandEndingKind::None:
    case HandEndingKind::Tie:
        break;
    }
    return ArenaEnding::Tie;
}

} // namespace

ArenaHand arenaHandOf(const HandOutcome& outcome, Seat seatOfA) {
    const auto sideOf = [&](Seat seat) { return seat == seatOfA ? 0 : 1; };
    ArenaHand hand;
    hand.ending = arenaEnding(outcome.ending);
    Seat winner = Seat::Player;
    if (handWinner(outcome, winner)) {
        hand.winner = sideOf(winner);
        hand.knocker = sideOf(outcome.knocker);
    }
    hand.points[static_cast<size_t>(sideOf(Seat::Player))] = outcome.playerPoints;
    hand.points[static_cast<size_t>(sideOf(Seat::Computer))] = outcome.computerPoints;
    return hand;
}

ArenaHand playArenaHand(const HandSetup& setup, Seat seatOfA, std::array<SidePlayers*, 2> sides,
                        std::array<std::uint64_t, 2> seeds, HandCosts& costs) {
    return ArenaHandPlay(setup, seatOfA, sides, seeds, costs).play();
}

} // namespace quillan::arena
