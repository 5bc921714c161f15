#include "rummy/computer_level_turn.h"

#include "app/frm_main.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/level_thinking.h"
#include "rummy/opponent_level.h"
#include "stats/statistics_recorder.h"

namespace quillan {

namespace {

constexpr int kThinkingPollMs = 10;

RejectPileView rejectView(const Pile& pile) {
    RejectPileView v;
    for (long i = 1; i <= pile.upperBound() && v.count < 52; ++i) {
        v.cards[static_cast<size_t>(v.count++)] = static_cast<std::int8_t>(pile[i].cardvalue);
    }
    return v;
}

ThinkingWait thinkingWait(FrmMain& w) {
    return {[&w] { w.shortDelay(kThinkingPollMs); }, [&w] { return w.isUnloaded(); }};
}

// The slot holding `cardvalue`, or -1.
int slotHolding(const Hand& hand, int cardvalue) {
    for (long i = 0; i <= 10; ++i) {
        if (hand[i].rank > 0 && hand[i].cardvalue == cardvalue) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// What the table does with a turn it cannot carry out: the card just taken is thrown.
TurnChoice acceptedTurn(const SeatView& view, const TurnChoice& choice) {
    const bool refused =
        (choice.kind == TurnChoice::Kind::Gin && !view.ginAllowed) ||
        (choice.kind == TurnChoice::Kind::Knock && !view.knockAllowed) ||
        (choice.kind == TurnChoice::Kind::Discard && slotHolding(view.hand, choice.cardvalue) < 0);
    return refused ? TurnChoice::discard(view.hand[10].cardvalue) : choice;
}

// The level's turn, or nothing when the answer was dropped (the player is then let go).
std::optional<TurnChoice> askTurn(FrmMain& w, ComputerAction action) {
    OpponentLevel& level = *w.opponent;
    const SeatView view = computerSeatView(w, true, action);
    const std::optional<TurnChoice> choice = thinkTurn(level.player(), view, thinkingWait(w));
    if (!choice) {
        level.letGo();
        return std::nullopt;
    }
    return acceptedTurn(view, *choice);
}

} // namespace

void startLevelHand(FrmMain& w) {
    OpponentLevel& level = *w.opponent;
    OpponentLevel::HandStart start;
    start.leader = isSet(w.kept.playerStartsNext) ? Seat::Computer : Seat::Player;
    start.playerBank = w.banks.prfPlayerBank;
    start.computerBank = w.banks.prfComputerBank;
    start.seed = static_cast<std::uint64_t>(w.platform().tickCount()) * 2654435761u + 1;
    level.startHand(start);
    w.statistics->setRummyOpponent(level.handLevel());
    if (level.decides()) {
        level.player()->startHand(computerSeatView(w, false, ComputerAction::Continue));
    }
}

SeatView computerSeatView(const FrmMain& w, bool holding, ComputerAction action) {
    const OpponentLevel& level = *w.opponent;
    const OpponentLevel::HandStart& start = level.handStart();
    const RejectPileView reject = rejectView(w.cards.rejectPile);
    SeatViewParts parts;
    parts.seat = Seat::Computer;
    parts.leader = start.leader;
    parts.variant = currentVariant(w);
    parts.maxDeadwood = w.rummy.MAXDEADWOOD;
    parts.toAct = true;
    parts.holding = holding;
    parts.takenFromReject = level.computerTookReject();
    parts.hand = &w.cards.handComputer;
    parts.reject = &reject;
    parts.stockCount = static_cast<int>(w.cards.stock.upperBound()) + 1;
    parts.sightings = &level.sightings();
    parts.knockAllowed = action != ComputerAction::Continue;
    parts.ginAllowed = action == ComputerAction::Gin;
    parts.ownBank = start.computerBank;
    parts.opponentBank = start.playerBank;
    return buildSeatView(parts);
}

std::optional<DrawChoice> levelDraw(FrmMain& w) {
    OpponentLevel& level = *w.opponent;
    if (!level.decides()) {
        return std::nullopt;
    }
    const SeatView view = computerSeatView(w, false, ComputerAction::Continue);
    const std::optional<DrawChoice> choice = thinkDraw(level.player(), view, thinkingWait(w));
    if (!choice) {
        level.letGo();
        return std::nullopt;
    }
    // A take from an empty pile is refused: the card comes from the stock.
    return view.reject.count < 1 ? DrawChoice::Stock : *choice;
}

bool levelTakesKnock(FrmMain& w, ComputerAction action) {
    if (!w.opponent->decides() || !isSet(w.play.computerMayKnock)) {
        return true;
    }
    const std::optional<TurnChoice> choice = askTurn(w, action);
    if (!choice || choice->kind != TurnChoice::Kind::Discard) {
        return true;
    }
    w.opponent->holdTurn(*choice);
    return false;
}

std::optional<int> levelDiscardSlot(FrmMain& w) {
    OpponentLevel& level = *w.opponent;
    std::optional<TurnChoice> choice = level.takeHeldTurn();
    if (!choice && level.decides()) {
        choice = askTurn(w, ComputerAction::Continue);
    }
    if (!choice) {
        return std::nullopt;
    }
    // No knock is allowed here, so the accepted turn is always a discard.
    return slotHolding(w.cards.handComputer, choice->cardvalue);
}

} // namespace quillan
