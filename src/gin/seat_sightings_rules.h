#pragma once
// What a table has seen each seat do in one hand, and a seat's view built from plain values.
// A table that keeps its own state (a window, say) records each take and throw here and
// builds the view its seat's player is shown; the fields and rules of the view are the ones
// GinTable::view fills.

#include "gin/seat_view_rules.h"

namespace quillan {

class SeatSightings {
  public:
    SeatSightings() = default;
    // A record as far as a hand has gone: draws so far, and per seat (by seatIndex) the reject
    // takes still held, the throws and the passes.
    SeatSightings(int draws, const std::array<CardSet, 2>& held,
                  const std::array<CardSet, 2>& threw, const std::array<CardSet, 2>& passed)
        : draws_(draws), held_(held), threw_(threw), passed_(passed) {}

    void reset() { *this = SeatSightings{}; }

    // `seat` took `card` from the reject pile.
    void tookReject(Seat seat, int card);
    // `seat` drew from the stock, leaving `rejectTop` on the pile (-1: the pile was empty).
    void drewStock(Seat seat, int rejectTop);
    // `seat` threw `card` onto the reject pile.
    void threw(Seat seat, int card);

    int draws() const { return draws_; }
    CardSet heldFromReject(Seat seat) const { return held_[index(seat)]; }
    CardSet thrown(Seat seat) const { return threw_[index(seat)]; }
    CardSet passed(Seat seat) const { return passed_[index(seat)]; }

  private:
    static size_t index(Seat seat) { return static_cast<size_t>(seatIndex(seat)); }

    int draws_ = 0;
    std::array<CardSet, 2> held_{};
    std::array<CardSet, 2> threw_{};
    std::array<CardSet, 2> passed_{};
};

// Everything a seat's view is made of, as the table holds it.
struct SeatViewParts {
    Seat seat = Seat::Player;
    Seat leader = Seat::Player;
    RummyVariant variant = RummyVariant::Standard;
    int16 maxDeadwood = 10;
    bool toAct = false;   // this seat is to move
    bool holding = false; // it has taken its card and is to end the turn
    bool takenFromReject = false;
    const Hand* hand = nullptr; // the seat's slots 0..10; slot 10 is read only while holding
    const RejectPileView* reject = nullptr;
    int stockCount = 0;
    const SeatSightings* sightings = nullptr;
    bool knockAllowed = false; // while holding: what the table accepts now
    bool ginAllowed = false;
    int16 ownBank = 0;
    int16 opponentBank = 0;
};

SeatView buildSeatView(const SeatViewParts& parts);

// The person's draw leaves two cards in the stock when three or fewer are left; the
// computer's has none to take when fewer than three are left. Either way the hand is a tie.
bool stockLowFor(Seat seat, int stockCount);

} // namespace quillan
