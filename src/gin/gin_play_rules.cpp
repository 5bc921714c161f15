#include "gin/gin_play_rules.h"

namespace quillan {

void tellEvents(const GinTable& table, size_t& from, std::array<GinPlayer*, 2> players) {
    const std::vector<TableEvent>& events = table.events();
    for (; from < events.size(); ++from) {
        const TableEvent& e = events[from];
        for (Seat seat : {Seat::Player, Seat::Computer}) {
            players[static_cast<size_t>(seatIndex(seat))]->observe(
                seatEventFor(seat, e.seat, e.kind, e.card));
        }
    }
}

TurnChoice fallbackTurn(const SeatView& view) {
    return TurnChoice::discard(view.hand[10].cardvalue);
}

bool handWinner(const HandOutcome& outcome, Seat& winner) {
    switch (outcome.ending) {
    case HandEndingKind::Knock:
    case HandEndingKind::Gin:
        winner = outcome.knocker;
        return true;
    case HandEndingKind::Undercut:
        winner = otherSeat(outcome.knocker);
        return true;
    case HandEndingKind::None:
    case HandEndingKind::Tie:
        break;
    }
    return false;
}

SeatResult seatResult(const HandOutcome& outcome, Seat seat) {
    SeatResult r;
    r.ending = outcome.ending;
    Seat winner = Seat::Player;
    if (handWinner(outcome, winner)) {
        r.won = winner == seat;
        r.lost = !r.won;
    }
    r.ownPoints = seat == Seat::Player ? outcome.playerPoints : outcome.computerPoints;
    r.otherPoints = seat == Seat::Player ? outcome.computerPoints : outcome.playerPoints;
    return r;
}

PlayedHand playOut(GinTable& table, GinPlayer& player, GinPlayer& computer) {
    const std::array<GinPlayer*, 2> players{&player, &computer};
    PlayedHand played;
    size_t told = table.events().size();
    while (!table.over()) {
        const Seat seat = table.toAct();
        const size_t s = static_cast<size_t>(seatIndex(seat));
        GinPlayer& p = *players[s];
        const SeatView view = table.view(seat);
        if (table.decision() == Decision::Draw) {
            if (table.draw(p.chooseDraw(view)) != MoveError::None) {
                ++played.refusedMoves[s];
                table.draw(DrawChoice::Stock);
            }
        } else if (table.turn(p.chooseTurn(view)) != MoveError::None) {
            ++played.refusedMoves[s];
            table.turn(fallbackTurn(view));
        }
        tellEvents(table, told, players);
    }
    played.outcome = table.outcome();
    player.endHand(seatResult(played.outcome, Seat::Player));
    computer.endHand(seatResult(played.outcome, Seat::Computer));
    return played;
}

PlayedHand playHand(const HandSetup& setup, GinPlayer& player, GinPlayer& computer) {
    GinTable table(setup);
    player.startHand(table.view(Seat::Player));
    computer.startHand(table.view(Seat::Computer));
    return playOut(table, player, computer);
}

} // namespace quillan
