#include "gin/seat_sightings_rules.h"

namespace quillan {

void SeatSightings::tookReject(Seat seat, int card) {
    ++draws_;
    held_[index(seat)] |= cardBit(card);
}

void SeatSightings::drewStock(Seat seat, int rejectTop) {
    ++draws_;
    if (rejectTop >= 0) {
        passed_[index(seat)] |= cardBit(rejectTop);
    }
}

void SeatSightings::threw(Seat seat, int card) {
    held_[index(seat)] &= ~cardBit(card);
    threw_[index(seat)] |= cardBit(card);
}

bool stockLowFor(Seat seat, int stockCount) {
    return seat == Seat::Player ? stockCount - 1 <= 2 : stockCount - 1 < 2;
}

SeatView buildSeatView(const SeatViewParts& parts) {
    SeatView v;
    v.seat = parts.seat;
    v.leader = parts.leader;
    v.variant = parts.variant;
    v.maxDeadwood = parts.maxDeadwood;
    const bool holding = parts.toAct && parts.holding;
    v.decision = holding ? Decision::Turn : Decision::Draw;
    for (long i = 0; i <= 10; ++i) {
        if (i < 10 || holding) {
            copyCard(v.hand[i], (*parts.hand)[i]);
            v.hand[i].keepValue = (*parts.hand)[i].keepValue;
        }
    }
    v.reject = *parts.reject;
    v.stockCount = parts.stockCount;
    v.stockLow = stockLowFor(parts.seat, parts.stockCount);
    const SeatSightings& seen = *parts.sightings;
    const Seat other = otherSeat(parts.seat);
    v.draws = seen.draws();
    v.takenCard = holding ? (*parts.hand)[10].cardvalue : int16{-1};
    v.takenFromReject = holding && parts.takenFromReject;
    v.opponentHolds = seen.heldFromReject(other);
    v.opponentThrew = seen.thrown(other);
    v.opponentPassed = seen.passed(other);
    v.ownThrew = seen.thrown(parts.seat);
    v.ownFromReject = seen.heldFromReject(parts.seat);
    v.ownPassed = seen.passed(parts.seat);
    v.knockAllowed = holding && parts.knockAllowed;
    v.ginAllowed = holding && parts.ginAllowed;
    v.ownBank = parts.ownBank;
    v.opponentBank = parts.opponentBank;
    return v;
}

} // namespace quillan
