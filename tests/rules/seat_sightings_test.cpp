// A seat's view built from plain values (as a window holding its own state builds it) is the
// table's own view of that seat, at every decision of seeded hands, for both seats.
#include <gtest/gtest.h>

#include "gin/baseline_player_rules.h"
#include "gin/gin_table_rules.h"
#include "gin/seat_sightings_rules.h"
#include "gin/standard_player_rules.h"

using namespace quillan;

namespace {

// Feeds the table's events since `from` into `seen`, as a window records takes and throws.
void record(const GinTable& table, size_t& from, SeatSightings& seen, int& rejectTopBefore) {
    const auto& events = table.events();
    for (; from < events.size(); ++from) {
        const TableEvent& e = events[from];
        switch (e.kind) {
        case SeatEvent::Kind::TookReject:
            seen.tookReject(e.seat, e.card);
            break;
        case SeatEvent::Kind::DrewStock:
            seen.drewStock(e.seat, rejectTopBefore);
            break;
        case SeatEvent::Kind::Discarded:
            seen.threw(e.seat, e.card);
            break;
        }
    }
    rejectTopBefore = table.rejectPile().top();
}

SeatView built(const GinTable& table, Seat seat, const SeatSightings& seen,
               const HandSetup& setup) {
    const SeatView own = table.view(seat); // read only for what the table accepts now
    SeatViewParts parts;
    parts.seat = seat;
    parts.leader = setup.leader;
    parts.variant = setup.variant;
    parts.maxDeadwood = table.maxDeadwood();
    parts.toAct = table.toAct() == seat && !table.over();
    parts.holding = table.decision() == Decision::Turn;
    parts.takenFromReject = own.takenFromReject;
    parts.hand = &table.hand(seat);
    parts.reject = &table.rejectPile();
    parts.stockCount = table.stockCount();
    parts.sightings = &seen;
    parts.knockAllowed = own.knockAllowed;
    parts.ginAllowed = own.ginAllowed;
    parts.ownBank = seat == Seat::Player ? setup.playerBank : setup.computerBank;
    parts.opponentBank = seat == Seat::Player ? setup.computerBank : setup.playerBank;
    return buildSeatView(parts);
}

} // namespace

TEST(SeatSightings, BuiltViewsAreTheTablesViewsAtEveryDecision) {
    int decisions = 0;
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        HandSetup setup;
        setup.deck = seededDeck(seed);
        setup.variant = static_cast<RummyVariant>(seed % 3);
        setup.leader = seed % 2 == 0 ? Seat::Player : Seat::Computer;
        setup.playerBank = static_cast<int16>(seed);
        setup.computerBank = static_cast<int16>(-3 * static_cast<int>(seed));
        GinTable table(setup);
        BaselinePlayer person;
        StandardPlayer computer;
        SeatSightings seen;
        size_t told = 0;
        int rejectTop = table.rejectPile().top();
        while (!table.over()) {
            for (Seat seat : {Seat::Player, Seat::Computer}) {
                ASSERT_EQ(built(table, seat, seen, setup), table.view(seat))
                    << "seed " << seed << " seat " << seatIndex(seat);
            }
            ++decisions;
            GinPlayer& p =
                table.toAct() == Seat::Player ? static_cast<GinPlayer&>(person) : computer;
            const SeatView view = table.view(table.toAct());
            if (table.decision() == Decision::Draw) {
                table.draw(p.chooseDraw(view));
            } else if (table.turn(p.chooseTurn(view)) != MoveError::None) {
                table.turn(TurnChoice::discard(view.hand[10].cardvalue));
            }
            record(table, told, seen, rejectTop);
        }
    }
    EXPECT_GT(decisions, 3000);
}

TEST(SeatSightings, ATakenCardIsHeldUntilThrownAndPassesAreTheTopsLeft) {
    SeatSightings seen;
    seen.tookReject(Seat::Player, 5);
    seen.drewStock(Seat::Computer, 9);
    seen.drewStock(Seat::Player, -1); // nothing to pass over
    EXPECT_EQ(seen.draws(), 3);
    EXPECT_EQ(seen.heldFromReject(Seat::Player), cardBit(5));
    EXPECT_EQ(seen.passed(Seat::Computer), cardBit(9));
    EXPECT_EQ(seen.passed(Seat::Player), 0u);
    seen.threw(Seat::Player, 5);
    EXPECT_EQ(seen.heldFromReject(Seat::Player), 0u);
    EXPECT_EQ(seen.thrown(Seat::Player), cardBit(5));
    EXPECT_EQ(seen.thrown(Seat::Computer), 0u);
    EXPECT_TRUE(stockLowFor(Seat::Player, 3));
    EXPECT_FALSE(stockLowFor(Seat::Computer, 3));
    EXPECT_TRUE(stockLowFor(Seat::Computer, 2));
}
