#pragma once
// One Gin Rummy hand without a window, under the rules the table plays: the deal from a deck
// order, the upcard and the Oklahoma limit, taking from the stock or the reject pile, the tie
// when a draw leaves two cards in the stock, knocking and gin, lay-offs, the gin bonus and the
// undercut. Every decision and number comes from the rules functions the window calls (hand
// analysis, knock rules, the computer's keep values, scoring); this file only keeps the order
// of play.
//
// The hand is stepped: whoever is to act is asked for a draw, then for a discard, knock or
// gin. `view` builds the only thing a player is shown. The same deck, the same setup and the
// same moves give the same hand, move for move.

#include <string>
#include <vector>

#include "gin/seat_sightings_rules.h"
#include "gin/seat_view_rules.h"
#include "rummy/hand_analysis_rules.h"
#include "rummy/scoring_rules.h"

namespace quillan {

// A deck order: deck[i] is the card value at deck position i, as after the window's shuffle
// (the computer is dealt positions 0..9, the person 10..19, the stock is 20..51, its top 51).
using DeckOrder = std::array<std::int8_t, 52>;

struct HandSetup {
    DeckOrder deck{};
    RummyVariant variant = RummyVariant::Standard;
    Seat leader = Seat::Player;
    int16 playerBank = 0;
    int16 computerBank = 0;
};

// The table's answer to a move.
enum class MoveError : std::uint8_t {
    None,
    NotYourTurn,  // the hand is over, or the other decision is due
    EmptyPile,    // the reject pile holds no card
    NotHeld,      // the card to throw is not in the hand
    KnockRefused, // the table does not accept a knock now
    NotGin,       // the hand is not gin
};
const char* moveErrorText(MoveError error);

// How the hand ended, as the table scores it.
struct HandOutcome {
    HandEndingKind ending = HandEndingKind::None;
    Seat knocker = Seat::Player; // who knocked or went gin (not for a tie)
    ScorePanel panel;            // the score panel's figures (not for a tie)
    int16 playerPoints = 0;      // added to the person's bank (handScore)
    int16 computerPoints = 0;    // added to the computer's bank
    int draws = 0;               // cards taken by both seats
    bool abandoned = false;      // a tie forced by the turn limit, not by the stock
};

// Every event of a hand, whole (for logs and tests; never shown to a player).
struct TableEvent {
    Seat seat = Seat::Player;
    SeatEvent::Kind kind = SeatEvent::Kind::DrewStock;
    int16 card = -1;
};

// A table in the middle of a hand with every card placed: what a seat imagines when it
// samples the cards it cannot see.
struct TablePosition {
    HandSetup setup; // variant, leader and banks (the deck is not read)
    int16 maxDeadwood = 10;
    std::array<Hand, 2> hands{};
    std::array<std::int8_t, 52> stock{}; // bottom first
    int stockCount = 0;
    RejectPileView reject;
    Seat toAct = Seat::Player;
    Decision decision = Decision::Draw;
    bool takenFromReject = false;
    int draws = 0;
    std::array<CardSet, 2> heldFromReject{};
    std::array<CardSet, 2> threw{};
    std::array<CardSet, 2> passed{};
};

class GinTable {
  public:
    // A hand longer than this many draws is called a tie: the table itself has no such limit,
    // but two players that hand one card back and forth would never end.
    static constexpr int kMaxDraws = 400;

    explicit GinTable(const HandSetup& setup);
    // Play goes on from the position; each side's unmatched cards (and the knock of the side
    // holding eleven cards) are those of an analysis of its cards as they lie.
    explicit GinTable(const TablePosition& position);

    bool over() const { return outcome_.ending != HandEndingKind::None; }
    Seat toAct() const { return toAct_; }
    Decision decision() const { return decision_; }
    const HandOutcome& outcome() const { return outcome_; }
    const std::vector<TableEvent>& events() const { return events_; }

    // What `seat` may know now.
    SeatView view(Seat seat) const;

    MoveError draw(DrawChoice choice);
    MoveError turn(const TurnChoice& choice);

    // For tests and tools that compare with the window: the whole table.
    const Hand& hand(Seat seat) const { return hands_[seatIndex(seat)]; }
    const RejectPileView& rejectPile() const { return reject_; }
    int stockCount() const { return stockCount_; }
    int16 maxDeadwood() const { return maxDeadwood_; }

  private:
    void deal();
    void deriveAnalyses();
    void analysePlayer(int cards, bool holdsDraw);
    void analyseComputer(int cards, bool mayKnock);
    void judgeRejectForComputer();
    void drawForPlayer(DrawChoice choice);
    void drawForComputer(DrawChoice choice);
    void throwCard(Seat seat, int slot);
    void endPlayerGin(const HandAnalysis& a);
    void endPlayerKnock();
    void endComputer(bool gin);
    void endTie(bool abandoned);
    void finish(HandEndingKind ending, Seat knocker, const ScorePanel& panel);
    void record(Seat seat, SeatEvent::Kind kind, int card);
    int takeRejectTop();
    void nextTurn();

    HandSetup setup_;
    int16 maxDeadwood_ = 10;
    std::array<Hand, 2> hands_{};
    std::array<std::int8_t, 52> stock_{};
    int stockCount_ = 0;
    RejectPileView reject_;
    bool stockExhausted_ = false;

    Seat toAct_ = Seat::Player;
    Decision decision_ = Decision::Draw;
    bool takenFromReject_ = false;

    // The table's notes on each side: the unmatched cards of its last analysis (the lay-off
    // count reads the defender's), the person's prepared knock, the computer's last analysis.
    std::array<CardList, 2> unmatched_{};
    HandAnalysis preparedKnock_;
    HandAnalysis computerDrawAnalysis_;

    SeatSightings sightings_;

    std::vector<TableEvent> events_;
    HandOutcome outcome_;
};

// A deck order from a seed: the window's shuffle (52 swaps, each with a position drawn from the
// whole deck) fed by a seeded generator; `floats` gets the 52 draws, for a window to replay.
DeckOrder seededDeck(std::uint64_t seed, std::array<float, 52>* floats = nullptr);

// The knock limit of a hand: 0 Simple, 10 Standard, the upcard's in Oklahoma.
int16 handKnockLimit(RummyVariant variant, int upcardValue);

const char* variantName(RummyVariant variant); // "simple", "standard", "oklahoma"
bool parseVariant(const std::string& text, RummyVariant& variant);

} // namespace quillan
