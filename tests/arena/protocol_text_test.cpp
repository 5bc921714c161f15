// The protocol's lines: card names, the deal as a seat is told it, what it hears of the other
// seat, the end of a hand, and answers read against the seat's view.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "gin/gin_table_rules.h"
#include "protocol_text.h"

using namespace quillan;
using namespace quillan::arena;

namespace {

HandSetup setupOf(std::uint64_t seed, Seat leader) {
    HandSetup setup;
    setup.deck = seededDeck(seed);
    setup.leader = leader;
    return setup;
}

// The card to throw that the seat does not hold.
int notHeld(const SeatView& view) {
    for (int c = 0; c < 52; ++c) {
        if ((handSet(view) & cardBit(c)) == 0) {
            return c;
        }
    }
    return -1;
}

} // namespace

TEST(ArenaProtocolText, CardNames) {
    EXPECT_EQ(cardText(0), "Ac");
    EXPECT_EQ(cardText(3), "As");
    EXPECT_EQ(cardText((10 - 1) * 4 + 1), "Td");
    EXPECT_EQ(cardText(51), "Ks");
    for (int c = 0; c < 52; ++c) {
        EXPECT_EQ(parseCard(cardText(c)), c);
    }
    for (const char* bad : {"", "T", "1s", "TD", "td", "Tdd", "Xs", "10d"}) {
        EXPECT_EQ(parseCard(bad), -1) << bad;
    }
}

TEST(ArenaProtocolText, TheDealAsEachSeatIsToldIt) {
    // Positions 10..19 go to the person's seat in that order, 0..9 to the computer's (which
    // the table arranges as it analyses them); the top of the stock (position 51) is turned
    // up.
    const HandSetup setup = setupOf(21, Seat::Computer);
    const GinTable table(setup);
    std::string person = "newhand variant=standard limit=10 leads=opponent hand=";
    std::set<std::string> computerCards;
    for (size_t i = 0; i < 10; ++i) {
        person += (i > 0 ? "," : "") + cardText(setup.deck[10 + i]);
        computerCards.insert(cardText(setup.deck[i]));
    }
    person += " upcard=" + cardText(setup.deck[51]);
    EXPECT_EQ(newHandLine(table.view(Seat::Player)), person);

    const std::string computer = newHandLine(table.view(Seat::Computer));
    const std::string start = "newhand variant=standard limit=10 leads=you hand=";
    ASSERT_EQ(computer.rfind(start, 0), 0u) << computer;
    const size_t upcard = computer.find(" upcard=");
    EXPECT_EQ(computer.substr(upcard), " upcard=" + cardText(setup.deck[51]));
    std::set<std::string> told;
    std::stringstream list(computer.substr(start.size(), upcard - start.size()));
    for (std::string card; std::getline(list, card, ',');) {
        told.insert(card);
    }
    EXPECT_EQ(told, computerCards);

    HandSetup oklahoma = setup;
    oklahoma.variant = RummyVariant::Oklahoma;
    const SeatView v = GinTable(oklahoma).view(Seat::Player);
    const std::string line = newHandLine(v);
    EXPECT_NE(line.find("variant=oklahoma limit=" + std::to_string(v.maxDeadwood) + " "),
              std::string::npos);
}

TEST(ArenaProtocolText, WhatASeatHears) {
    const int td = parseCard("Td");
    EXPECT_EQ(eventLine({SeatEvent::Kind::DrewStock, true, int16(td)}), "you draw Td");
    EXPECT_EQ(eventLine({SeatEvent::Kind::DrewStock, false, -1}), "opponent draws");
    EXPECT_EQ(eventLine({SeatEvent::Kind::TookReject, false, int16(td)}), "opponent takes Td");
    EXPECT_EQ(eventLine({SeatEvent::Kind::Discarded, false, int16(td)}), "opponent discards Td");
    EXPECT_FALSE(eventLine({SeatEvent::Kind::Discarded, true, int16(td)}));
    EXPECT_FALSE(eventLine({SeatEvent::Kind::TookReject, true, int16(td)}));

    SeatResult undercut{HandEndingKind::Undercut, true, false, 0, -23};
    EXPECT_EQ(endLine(undercut), "end result=undercut winner=you points=0");
    SeatResult knocked{HandEndingKind::Undercut, false, true, -23, 0};
    EXPECT_EQ(endLine(knocked), "end result=undercut winner=opponent points=-23");
    EXPECT_EQ(endLine({HandEndingKind::Tie, false, false, 0, 0}),
              "end result=tie winner=none points=0");
    EXPECT_EQ(endLine({HandEndingKind::Gin, true, false, 31, 0}),
              "end result=gin winner=you points=31");
}

TEST(ArenaProtocolText, DrawAnswers) {
    const SeatView view = GinTable(setupOf(4, Seat::Player)).view(Seat::Player);
    EXPECT_EQ(readDrawAnswer("stock", view).choice, DrawChoice::Stock);
    EXPECT_EQ(readDrawAnswer("  reject \r", view).choice, DrawChoice::Reject);
    for (const char* bad : {"", "Stock", "stock now", "draw", "reject reject"}) {
        const Answer<DrawChoice> a = readDrawAnswer(bad, view);
        EXPECT_FALSE(a.choice) << bad;
        EXPECT_EQ(a.reason, "expected stock or reject") << bad;
    }
    SeatView empty = view;
    empty.reject.count = 0;
    EXPECT_FALSE(readDrawAnswer("reject", empty).choice);
    EXPECT_EQ(readDrawAnswer("reject", empty).reason, "the reject pile is empty");
}

TEST(ArenaProtocolText, TurnAnswersAreCheckedAgainstTheView) {
    GinTable table(setupOf(4, Seat::Player));
    ASSERT_EQ(table.draw(DrawChoice::Stock), MoveError::None);
    ASSERT_FALSE(table.over());
    SeatView view = table.view(Seat::Player);
    const std::string taken = cardText(view.takenCard);
    const std::string dealt = cardText(view.hand[3].cardvalue);

    EXPECT_EQ(readTurnAnswer("discard " + taken, view).choice, TurnChoice::discard(view.takenCard));
    EXPECT_EQ(readTurnAnswer("discard\t" + dealt + "\r", view).choice,
              TurnChoice::discard(view.hand[3].cardvalue));
    const Answer<TurnChoice> missing = readTurnAnswer("discard " + cardText(notHeld(view)), view);
    EXPECT_FALSE(missing.choice);
    EXPECT_EQ(missing.reason, "that card is not in your hand");
    EXPECT_EQ(readTurnAnswer("discard 10d", view).reason, "unreadable card 10d");
    EXPECT_EQ(readTurnAnswer("discard", view).reason, "expected discard <card>, knock or gin");
    EXPECT_EQ(readTurnAnswer("stock", view).reason, "expected discard <card>, knock or gin");

    view.knockAllowed = false;
    view.ginAllowed = false;
    EXPECT_EQ(readTurnAnswer("knock", view).reason, "the table does not accept a knock now");
    EXPECT_EQ(readTurnAnswer("gin", view).reason, "the hand is not gin");
    view.knockAllowed = true;
    view.ginAllowed = true;
    EXPECT_EQ(readTurnAnswer("knock", view).choice, TurnChoice::knock());
    EXPECT_EQ(readTurnAnswer("gin", view).choice, TurnChoice::gin());
}
