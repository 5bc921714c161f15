// Rearranging the player's hand on the real window: sorting from the menu, dragging a card
// after another, and clicking a card to an end of the hand.
#include <QAction>

#include "cards/hand_sort_rules.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

using HandArrange = RummyWindowTest;

std::string order(const Hand& hand) {
    std::string out;
    for (int i = 0; i < 10; ++i) {
        out += (i ? " " : "") + quillan::test::name(hand[i]);
    }
    return out;
}

} // namespace

TEST_F(HandArrange, SortByRankThenBySuitGivesSuitsInRankOrder) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "KS 2H 9C AC 2C 7H QD 9S 3D 5C");
    clickAt(w, centreOf(w.table.picDeal[0])); // a drawn card stays apart
    const CardSlot drawn = w.cards.handplayer[10];
    w.menus.mnuSortRank->trigger();
    EXPECT_EQ(order(w.cards.handplayer), "AC 2H 2C 3D 5C 7H 9C 9S QD KS");
    w.menus.mnuSortSuit->trigger();
    EXPECT_EQ(order(w.cards.handplayer), "AC 2C 5C 9C 3D QD 2H 7H 9S KS");
    EXPECT_EQ(w.cards.handplayer[10], drawn);
    const auto xs = layout334(w.cards.cardSpacing);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.cards.handplayer[i].x, xs[static_cast<size_t>(i)]) << i;
    }
}

TEST_F(HandArrange, DraggingACardDropsItAfterTheCardUnderItsLeftEdge) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "4C 9D 5C 6C 7C 8C KH 2S JD 3H");
    const double grab = w.cards.handplayer[1].x + 4; // 9D, picked up 4 pixels in
    const double drop = w.cards.handplayer[8].x + 6 + 4;
    mouse(w, TableMouseEvent::Kind::Move, onHand(w, grab));
    mouse(w, TableMouseEvent::Kind::Press, onHand(w, grab));
    TableMouseEvent drag;
    drag.buttonDown = true;
    drag.pos = onHand(w, drop);
    w.tableMouse(drag);
    EXPECT_EQ(w.pointer.dragMoved, kTrue);
    mouse(w, TableMouseEvent::Kind::Release, onHand(w, drop));
    EXPECT_EQ(order(w.cards.handplayer), "4C 5C 6C 7C 8C KH 2S JD 9D 3H");
    // A 5-run leads: gaps after slots 4 and 7.
    const int16 s = w.cards.cardSpacing;
    EXPECT_EQ(w.cards.handplayer[5].x - w.cards.handplayer[4].x, s + s / 2);
    EXPECT_EQ(w.cards.handplayer[1].x - w.cards.handplayer[0].x, s);
    EXPECT_EQ(w.pointer.dragCard.cardvalue, -1);
}

TEST_F(HandArrange, ClickingACardBeforeTheDrawSendsItToAnEnd) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "4C 9D 5C 6C 7C 8C KH 2S JD 3H");
    clickCard(w, 4); // the primary button: to the left end
    EXPECT_EQ(order(w.cards.handplayer), "7C 4C 9D 5C 6C 8C KH 2S JD 3H");
    clickCard(w, 0, 2); // the other button: to the right end
    EXPECT_EQ(order(w.cards.handplayer), "4C 9D 5C 6C 8C KH 2S JD 3H 7C");
    w.settings.prfMouseRightLeft = kFalse; // swapped buttons exchange the ends
    clickCard(w, 0, 1);
    EXPECT_EQ(order(w.cards.handplayer), "9D 5C 6C 8C KH 2S JD 3H 7C 4C");
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1); // nothing was discarded
}
