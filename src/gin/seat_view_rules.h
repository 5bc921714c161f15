#pragma once
// What one seat of a Gin Rummy hand may know, and the small interface every computer level,
// hint or outside program plays through. A player is handed a SeatView and nothing else: the
// view holds the seat's own cards, the reject pile, what the other seat was seen to take, throw
// and pass over, the size of the stock, the rules in force and the banks. It has no field for
// the other hand or the order of the stock, so no player can read them.
//
// The table has two seats, as in the window: the person's seat (`Seat::Player`) and the
// computer's (`Seat::Computer`). The rules of the two differ a little, as the table's do: the
// person's gin ends the hand by itself, and the computer's knock follows its own analysis.

#include <array>
#include <cstdint>

#include "cards/card_slot.h"
#include "rummy/knock_rules.h"

namespace quillan {

// One bit per card, bit `cardvalue` (0..51).
using CardSet = std::uint64_t;

constexpr CardSet cardBit(int cardvalue) {
    return CardSet{1} << cardvalue;
}
inline constexpr CardSet kAllCards = (CardSet{1} << 52) - 1;

enum class Seat : std::uint8_t { Player = 0, Computer = 1 };

constexpr Seat otherSeat(Seat seat) {
    return seat == Seat::Player ? Seat::Computer : Seat::Player;
}
constexpr int seatIndex(Seat seat) {
    return static_cast<int>(seat);
}

// The decision in front of a seat: take a card, or end the turn.
enum class Decision : std::uint8_t { Draw, Turn };

enum class DrawChoice : std::uint8_t { Stock, Reject };

// Ending a turn: throw a card, knock (the table picks the card thrown and the melds, as it does
// for the person at the table), or claim gin.
struct TurnChoice {
    enum class Kind : std::uint8_t { Discard, Knock, Gin };
    Kind kind = Kind::Discard;
    int16 cardvalue = -1; // the card thrown, for Discard

    static TurnChoice discard(int cardvalue) {
        return {Kind::Discard, static_cast<int16>(cardvalue)};
    }
    static TurnChoice knock() { return {Kind::Knock, -1}; }
    static TurnChoice gin() { return {Kind::Gin, -1}; }
    bool operator==(const TurnChoice&) const = default;
};

// The face-up pile, bottom first; the top card is cards[count - 1].
struct RejectPileView {
    std::array<std::int8_t, 52> cards{};
    int count = 0;
    int top() const { return count > 0 ? cards[static_cast<size_t>(count - 1)] : -1; }
    bool operator==(const RejectPileView&) const = default;
};

struct SeatView {
    Seat seat = Seat::Player;
    Seat leader = Seat::Player; // who took first in this hand
    RummyVariant variant = RummyVariant::Standard;
    int16 maxDeadwood = 10; // the knock limit in force
    Decision decision = Decision::Draw;

    // The seat's own cards in the table's order: slots 0..9, and slot 10 the card taken this
    // turn (empty while the seat is to draw). Keep values are the table's marks (the
    // computer's seat only; 0 on the person's).
    Hand hand;
    RejectPileView reject;
    int stockCount = 0;    // cards left in the stock
    bool stockLow = false; // a draw from the stock now ends the hand as a tie
    int draws = 0;         // cards taken so far in this hand, by both seats
    int16 takenCard = -1;  // the card taken this turn (-1 while drawing)
    bool takenFromReject = false;

    // What the other seat was seen to do in this hand.
    CardSet opponentHolds = 0;  // taken from the reject pile and not thrown since
    CardSet opponentThrew = 0;  // every card it threw
    CardSet opponentPassed = 0; // reject cards it left for the stock
    CardSet ownThrew = 0;
    CardSet ownFromReject = 0; // the seat's own reject takes it still holds
    CardSet ownPassed = 0;

    // What the table accepts now (Decision::Turn): a knock, and whether it scores as gin.
    bool knockAllowed = false;
    bool ginAllowed = false;

    int16 ownBank = 0;
    int16 opponentBank = 0;

    bool operator==(const SeatView&) const = default;
};

// The cards this seat holds (slots 0..10, empty slots left out).
CardSet handSet(const SeatView& view);
// Cards the seat cannot place: not in its hand, not on the reject pile, not known to be held
// by the other seat. The other hand's unknown cards and the stock are drawn from these.
CardSet unseenCards(const SeatView& view);

// What a seat sees happen; `card` is -1 where the seat cannot see it (the other seat's draw
// from the stock).
struct SeatEvent {
    enum class Kind : std::uint8_t { TookReject, DrewStock, Discarded };
    Kind kind = Kind::DrewStock;
    bool mine = false;
    int16 card = -1;
    bool operator==(const SeatEvent&) const = default;
};

// What `viewer` sees of `actor`'s take, draw or throw: every card but the other seat's draw
// from the stock.
SeatEvent seatEventFor(Seat viewer, Seat actor, SeatEvent::Kind kind, int card);

enum class HandEndingKind : std::uint8_t { None, Knock, Gin, Undercut, Tie };

// How a hand ended, as one seat sees it.
struct SeatResult {
    HandEndingKind ending = HandEndingKind::None;
    bool won = false;      // this seat won the hand
    bool lost = false;     // the other seat won it
    int16 ownPoints = 0;   // added to this seat's bank
    int16 otherPoints = 0; // added to the other seat's bank
};

// A seat's player: a computer level, the hint, or an outside program. It is handed views, never
// the table.
class GinPlayer {
  public:
    virtual ~GinPlayer() = default;
    virtual void startHand(const SeatView& view) { (void)view; }
    virtual void observe(const SeatEvent& event) { (void)event; }
    virtual DrawChoice chooseDraw(const SeatView& view) = 0;
    virtual TurnChoice chooseTurn(const SeatView& view) = 0;
    virtual void endHand(const SeatResult& result) { (void)result; }
};

} // namespace quillan
