#include "gin/gin_table_rules.h"

#include <random>

#include "cards/deal_rules.h"
#include "rummy/computer_rules.h"
#include "rummy/meld_rules.h"

namespace quillan {

namespace {

constexpr int kPlayer = 0;
constexpr int kComputer = 1;

std::span<const CardSlot> slots(const Hand& hand, int count) {
    return std::span<const CardSlot>(hand.begin(), hand.end()).first(static_cast<size_t>(count));
}

// The window keeps the unmatched lists in growable arrays and reads them back without their
// empty entries; the table does the same.
CardList realCards(const CardList& list) {
    CardList out;
    for (const CardSlot& c : list) {
        if (c.rank > 0) {
            out.push(c);
        }
    }
    return out;
}

// The slot (0..10) holding a card, or -1.
int slotOf(const Hand& hand, int cardvalue) {
    for (long i = 0; i <= 10; ++i) {
        if (hand[i].rank > 0 && hand[i].cardvalue == cardvalue) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HandEndingKind endingOf(const ScorePanel& panel) {
    if (panel.ending == HandEnding::PlayerGin || panel.ending == HandEnding::ComputerGin) {
        return HandEndingKind::Gin;
    }
    return panel.undercut ? HandEndingKind::Undercut : HandEndingKind::Knock;
}

} // namespace

const char* moveErrorText(MoveError error) {
    switch (error) {
    case MoveError::None:
        return "ok";
    case MoveError::NotYourTurn:
        return "not your turn";
    case MoveError::EmptyPile:
        return "the reject pile is empty";
    case MoveError::NotHeld:
        return "that card is not in your hand";
    case MoveError::KnockRefused:
        return "the table does not accept a knock now";
    case MoveError::NotGin:
        return "the hand is not gin";
    }
    return "unknown";
}

GinTable::GinTable(const HandSetup& setup) : setup_(setup) {
    deal();
}

GinTable::GinTable(const TablePosition& p)
    : setup_(p.setup), maxDeadwood_(p.maxDeadwood), hands_(p.hands), stock_(p.stock),
      stockCount_(p.stockCount), reject_(p.reject), toAct_(p.toAct), decision_(p.decision),
      takenFromReject_(p.takenFromReject),
      sightings_(p.draws, p.heldFromReject, p.threw, p.passed) {
    deriveAnalyses();
}

void GinTable::deriveAnalyses() {
    for (Seat seat : {Seat::Player, Seat::Computer}) {
        const int s = seatIndex(seat);
        const bool holding = seat == toAct_ && decision_ == Decision::Turn;
        const AnalysisInput input{seat == Seat::Computer, holding, reject_.count};
        const HandAnalysis a = analyseHand(slots(hands_[s], holding ? 11 : 10), input);
        unmatched_[s] = a.storedUnmatched;
        if (seat == Seat::Computer) {
            computerDrawAnalysis_ = a;
        } else if (holding && playerAnalysisOutcome(a, maxDeadwood_, true).outcome ==
                                  PlayerAnalysisOutcome::KnockPrepared) {
            preparedKnock_ = a;
        }
    }
}

void GinTable::deal() {
    for (int k = 0; k < kHandCards; ++k) {
        setCard(hands_[kComputer][k], setup_.deck[static_cast<size_t>(k)]);
        setCard(hands_[kPlayer][k], setup_.deck[static_cast<size_t>(kHandCards + k)]);
    }
    stockCount_ = 0;
    for (int i = kRummyStockFirst; i < 52; ++i) {
        stock_[static_cast<size_t>(stockCount_++)] = setup_.deck[static_cast<size_t>(i)];
    }
    // The deal turns the top of the stock up as the first reject card.
    reject_.cards[0] = stock_[static_cast<size_t>(--stockCount_)];
    reject_.count = 1;
    maxDeadwood_ = handKnockLimit(setup_.variant, reject_.cards[0]);

    // Both dealt hands are analysed, the person's first; until then each side's unmatched
    // list is its whole hand.
    unmatched_[kComputer] = CardList(slots(hands_[kComputer], 11));
    unmatched_[kPlayer] = CardList(slots(hands_[kPlayer], 11));
    toAct_ = setup_.leader;
    decision_ = Decision::Draw;
    analysePlayer(11, false);
    analyseComputer(11, false);
}

void GinTable::analysePlayer(int cards, bool holdsDraw) {
    const AnalysisInput input{false, false, reject_.count};
    const HandAnalysis a = analyseHand(slots(hands_[kPlayer], cards), input);
    unmatched_[kPlayer] = a.storedUnmatched;
    preparedKnock_ = HandAnalysis{};
    const PlayerAnalysisResult r = playerAnalysisOutcome(a, maxDeadwood_, holdsDraw);
    if (r.outcome == PlayerAnalysisOutcome::Gin && !over()) {
        endPlayerGin(a);
    } else if (r.outcome == PlayerAnalysisOutcome::KnockPrepared) {
        preparedKnock_ = a;
    }
}

void GinTable::analyseComputer(int cards, bool mayKnock) {
    const AnalysisInput input{true, mayKnock, reject_.count};
    const HandAnalysis a = analyseHand(slots(hands_[kComputer], cards), input);
    applyComputerAnalysis(hands_[kComputer], a, cards);
    unmatched_[kComputer] = a.storedUnmatched;
    computerDrawAnalysis_ = a;
}

// The computer judges the reject card as if it held it: its hand is arranged and marked by
// that analysis whatever it then takes.
void GinTable::judgeRejectForComputer() {
    if (reject_.count < 1) {
        return;
    }
    CardSlot top;
    setCard(top, reject_.top());
    const RejectJudgement j = judgeRejectCard(hands_[kComputer], top, reject_.count);
    hands_[kComputer] = j.hand;
    unmatched_[kComputer] = j.analysis.storedUnmatched;
}

MoveError GinTable::draw(DrawChoice choice) {
    if (over() || decision_ != Decision::Draw) {
        return MoveError::NotYourTurn;
    }
    if (choice == DrawChoice::Reject && reject_.count < 1) {
        return MoveError::EmptyPile;
    }
    if (sightings_.draws() >= kMaxDraws) {
        endTie(true);
        return MoveError::None;
    }
    const Seat seat = toAct_;
    takenFromReject_ = choice == DrawChoice::Reject;
    if (choice == DrawChoice::Stock) {
        sightings_.drewStock(seat, reject_.top());
    } else {
        sightings_.tookReject(seat, reject_.top());
    }
    decision_ = Decision::Turn;
    if (seat == Seat::Player) {
        drawForPlayer(choice);
    } else {
        drawForComputer(choice);
    }
    return MoveError::None;
}

void GinTable::drawForPlayer(DrawChoice choice) {
    Hand& hand = hands_[kPlayer];
    if (choice == DrawChoice::Reject) {
        setCard(hand[10], takeRejectTop());
        record(Seat::Player, SeatEvent::Kind::TookReject, hand[10].cardvalue);
    } else {
        // A draw while three or fewer cards are left copies the top card and leaves two
        // behind it: the hand is a tie (the table asks, and a Yes ends the hand).
        setCard(hand[10], stock_[static_cast<size_t>(stockCount_ - 1)]);
        if (!stockLowFor(Seat::Player, stockCount_)) {
            --stockCount_;
        } else {
            stockExhausted_ = true;
        }
        record(Seat::Player, SeatEvent::Kind::DrewStock, hand[10].cardvalue);
    }
    analysePlayer(11, true);
    if (!over() && stockExhausted_) {
        endTie(false);
    }
}

void GinTable::drawForComputer(DrawChoice choice) {
    judgeRejectForComputer();
    Hand& hand = hands_[kComputer];
    if (choice == DrawChoice::Reject) {
        CardSlot top;
        setCard(top, takeRejectTop());
        copyCard(hand[10], top);
        record(Seat::Computer, SeatEvent::Kind::TookReject, hand[10].cardvalue);
    } else {
        // A stock of two cards has none left to draw: the hand is a tie.
        if (stockLowFor(Seat::Computer, stockCount_)) {
            stockExhausted_ = true;
        }
        if (stockExhausted_) {
            endTie(false);
            return;
        }
        CardSlot top;
        setCard(top, stock_[static_cast<size_t>(--stockCount_)]);
        copyCard(hand[10], top);
        record(Seat::Computer, SeatEvent::Kind::DrewStock, hand[10].cardvalue);
    }
    analyseComputer(11, true);
}

MoveError GinTable::turn(const TurnChoice& choice) {
    if (over() || decision_ != Decision::Turn) {
        return MoveError::NotYourTurn;
    }
    const Seat seat = toAct_;
    const SeatView v = view(seat);
    switch (choice.kind) {
    case TurnChoice::Kind::Gin:
        if (!v.ginAllowed) {
            return MoveError::NotGin;
        }
        endComputer(true);
        return MoveError::None;
    case TurnChoice::Kind::Knock:
        if (!v.knockAllowed) {
            return MoveError::KnockRefused;
        }
        if (seat == Seat::Player) {
            endPlayerKnock();
        } else {
            endComputer(v.ginAllowed);
        }
        return MoveError::None;
    case TurnChoice::Kind::Discard:
        break;
    }
    const int slot = slotOf(hands_[seatIndex(seat)], choice.cardvalue);
    if (slot < 0) {
        return MoveError::NotHeld;
    }
    throwCard(seat, slot);
    if (seat == Seat::Player) {
        analysePlayer(10, false); // ten cards that are gin end the hand at once
    } else {
        analyseComputer(10, false);
    }
    if (!over()) {
        nextTurn();
    }
    return MoveError::None;
}

// The card goes on the reject pile and the card taken this turn fills its place.
void GinTable::throwCard(Seat seat, int slot) {
    Hand& hand = hands_[seatIndex(seat)];
    const int16 value = hand[slot].cardvalue;
    reject_.cards[static_cast<size_t>(reject_.count++)] = static_cast<std::int8_t>(value);
    if (slot != 10) {
        copyCard(hand[slot], hand[10]);
        if (seat == Seat::Computer) {
            hand[slot].keepValue = hand[10].keepValue;
        }
    }
    sightings_.threw(seat, value);
    record(seat, SeatEvent::Kind::Discarded, value);
}

void GinTable::endPlayerGin(const HandAnalysis& a) {
    CardList defender = realCards(unmatched_[kComputer]);
    const int16 computerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], false, defender);
    finish(HandEndingKind::Gin, Seat::Player, scorePlayerGin(computerDeadwood));
}

void GinTable::endPlayerKnock() {
    const HandAnalysis a = preparedKnock_;
    throwCard(Seat::Player, knockDiscardSlot(slots(hands_[kPlayer], 11), a.discardCandidate));
    CardList defender = realCards(unmatched_[kComputer]);
    const int16 computerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], true, defender);
    unmatched_[kComputer] = defender;
    const ScorePanel panel =
        scorePlayerKnock(countDeadwood(realCards(unmatched_[kPlayer])), computerDeadwood);
    finish(endingOf(panel), Seat::Player, panel);
}

void GinTable::endComputer(bool gin) {
    const HandAnalysis a = computerDrawAnalysis_;
    if (!gin) {
        throwCard(Seat::Computer,
                  knockDiscardSlot(slots(hands_[kComputer], 11), a.discardCandidate));
    }
    CardList defender = realCards(unmatched_[kPlayer]);
    const int16 playerDeadwood =
        countLayOffDeadwood(a.melds[0], a.melds[1], a.melds[2], !gin, defender);
    unmatched_[kPlayer] = defender;
    const ScorePanel panel =
        gin ? scoreComputerGin(playerDeadwood) : scoreComputerKnock(a.deadwood, playerDeadwood);
    finish(endingOf(panel), Seat::Computer, panel);
}

void GinTable::endTie(bool abandoned) {
    outcome_ = HandOutcome{};
    outcome_.ending = HandEndingKind::Tie;
    outcome_.draws = sightings_.draws();
    outcome_.abandoned = abandoned;
}

void GinTable::finish(HandEndingKind ending, Seat knocker, const ScorePanel& panel) {
    outcome_.ending = ending;
    outcome_.knocker = knocker;
    outcome_.panel = panel;
    outcome_.playerPoints = panel.handScore;
    outcome_.computerPoints = panel.computerBankChange;
    outcome_.draws = sightings_.draws();
}

void GinTable::record(Seat seat, SeatEvent::Kind kind, int card) {
    events_.push_back({seat, kind, static_cast<int16>(card)});
}

void GinTable::nextTurn() {
    toAct_ = otherSeat(toAct_);
    decision_ = Decision::Draw;
    takenFromReject_ = false;
}

SeatView GinTable::view(Seat seat) const {
    SeatViewParts parts;
    parts.seat = seat;
    parts.leader = setup_.leader;
    parts.variant = setup_.variant;
    parts.maxDeadwood = maxDeadwood_;
    parts.toAct = toAct_ == seat;
    parts.holding = decision_ == Decision::Turn && !over();
    parts.takenFromReject = takenFromReject_;
    parts.hand = &hands_[static_cast<size_t>(seatIndex(seat))];
    parts.reject = &reject_;
    parts.stockCount = stockCount_;
    parts.sightings = &sightings_;
    if (parts.toAct && parts.holding && seat == Seat::Player) {
        const KnockDecision d =
            decidePlayerKnock(true, realCards(unmatched_[kPlayer]), setup_.variant, maxDeadwood_);
        parts.knockAllowed = d.request == KnockRequest::Accepted && preparedKnock_.shape != 0;
    } else if (parts.toAct && parts.holding) {
        const ComputerAction action = computerKnockAction(computerDrawAnalysis_, maxDeadwood_);
        parts.knockAllowed = action != ComputerAction::Continue;
        parts.ginAllowed = action == ComputerAction::Gin;
    }
    parts.ownBank = seat == Seat::Player ? setup_.playerBank : setup_.computerBank;
    parts.opponentBank = seat == Seat::Player ? setup_.computerBank : setup_.playerBank;
    return buildSeatView(parts);
}

int GinTable::takeRejectTop() {
    const size_t top = static_cast<size_t>(--reject_.count);
    const int card = reject_.cards[top];
    reject_.cards[top] = 0; // a view shows the pile and nothing beyond it
    return card;
}

DeckOrder seededDeck(std::uint64_t seed, std::array<float, 52>* floats) {
    std::mt19937_64 generator(seed);
    std::array<float, 52> draws{};
    for (float& f : draws) {
        // 24 random bits: a float in [0, 1) that is exact in single precision.
        f = static_cast<float>(generator() >> 40) / 16777216.0f;
    }
    Deck deck;
    size_t next = 0;
    shuffleDeck(
        deck, [] {}, [&] { return draws[next++]; });
    DeckOrder order{};
    for (long i = 0; i < 52; ++i) {
        order[static_cast<size_t>(i)] = static_cast<std::int8_t>(deck[i].cardvalue);
    }
    if (floats != nullptr) {
        *floats = draws;
    }
    return order;
}

int16 handKnockLimit(RummyVariant variant, int upcardValue) {
    if (variant == RummyVariant::Oklahoma) {
        CardSlot upcard;
        setCard(upcard, upcardValue);
        return oklahomaMaxDeadwood(upcard);
    }
    return fixedMaxDeadwood(variant);
}

const char* variantName(RummyVariant variant) {
    switch (variant) {
    case RummyVariant::Simple:
        return "simple";
    case RummyVariant::Standard:
        return "standard";
    case RummyVariant::Oklahoma:
        return "oklahoma";
    }
    return "standard";
}

bool parseVariant(const std::string& text, RummyVariant& variant) {
    for (RummyVariant v : {RummyVariant::Simple, RummyVariant::Standard, RummyVariant::Oklahoma}) {
        if (text == variantName(v)) {
            variant = v;
            return true;
        }
    }
    return false;
}

} // namespace quillan
