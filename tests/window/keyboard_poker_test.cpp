// Video Poker from the keyboard: 1 to 5 hold as a left click on the card does, Enter and
// Space deal or draw as a click on the deck does, and keys pressed while a deal or a draw
// is played out do nothing, also when they arrive only after it.
#include <QFrame>

#include "support/key_typing.h"
#include "support/poker_window_fixture.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::PokerWindowTest;
using quillan::test::typeKey;
using quillan::test::typeKeys;

namespace {

const std::vector<int> kJacksAndFours = {card(11, 3), card(11, 2), card(4, 1), card(7, 0),
                                         card(9, 3),  card(5, 0),  card(6, 1), card(4, 0),
                                         card(4, 2),  card(9, 1)}; // draws 4, 4, 9: two pair

std::vector<int16> held(FrmMain& w) {
    std::vector<int16> out;
    for (int i = 0; i < 5; ++i) {
        out.push_back(w.poker.pokerHeld[i]);
        EXPECT_EQ(w.table.Shape1[size_t(i)]->isHidden(), !isSet(w.poker.pokerHeld[i])) << i;
    }
    return out;
}

using PokerKeys = PokerWindowTest;

} // namespace

TEST_F(PokerKeys, DigitKeysHoldAndReleaseTheirCardsAsLeftClicksDo) {
    FrmMain& w = poker(true);
    deal(w, kJacksAndFours);
    typeKeys(w, {Qt::Key_1, Qt::Key_3, Qt::Key_5, Qt::Key_5});
    const std::vector<int16> byKeys = held(w);
    EXPECT_EQ(byKeys, (std::vector<int16>{kTrue, kFalse, kTrue, kFalse, kFalse}));
    typeKeys(w, {Qt::Key_1, Qt::Key_3});
    hold(w, {0, 2}); // the same cards by the mouse
    EXPECT_EQ(held(w), byKeys);
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue); // holding never draws
    EXPECT_EQ(meter(w), "-10");
    typeKey(w, Qt::Key_2, 0, Qt::ControlModifier); // not a game key
    EXPECT_EQ(w.poker.pokerHeld[1], kFalse);
}

TEST_F(PokerKeys, EnterDrawsTheCardsNotHeldAndSpaceDealsTheNextHand) {
    FrmMain& w = poker(true);
    deal(w, kJacksAndFours);
    typeKeys(w, {Qt::Key_1, Qt::Key_2, Qt::Key_Return});
    for (int i = 0; i < 5; ++i) {
        const int expected = i < 2 ? kJacksAndFours[size_t(i)] : kJacksAndFours[size_t(i + 5)];
        EXPECT_EQ(w.poker.pokerHand[i].cardvalue, expected) << i;
    }
    EXPECT_EQ(w.poker.pokerType, 10);
    EXPECT_EQ(meter(w), "0"); // two pair paid 10
    typeKey(w, Qt::Key_4);    // no hand waits for holds: nothing, where a click would deal
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(meter(w), "0");
    scriptDeck(kJacksAndFours);
    typeKey(w, Qt::Key_Space);
    EXPECT_EQ(meter(w), "-5");
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    typeKey(w, Qt::Key_Enter); // the keypad's Enter draws as well
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(w.poker.pokerHand[0].cardvalue, kJacksAndFours[5]);
}

TEST_F(PokerKeys, KeysTypedWhileADealOrADrawPlaysOutDoNothing) {
    FrmMain& w = poker(true);
    int typed = 0;
    platform.onDelay = [&](int) {
        if (isSet(w.poker.pokerBusy)) {
            ++typed;
            typeKeys(w, {Qt::Key_1, Qt::Key_2, Qt::Key_Return, Qt::Key_Space});
        }
    };
    deal(w, kJacksAndFours);
    ASSERT_GT(typed, 0);
    EXPECT_EQ(held(w), (std::vector<int16>(5, kFalse)));
    EXPECT_EQ(meter(w), "-10"); // one deal, no draw and no second deal
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    typed = 0;
    typeKey(w, Qt::Key_3);
    typeKey(w, Qt::Key_Return); // the draw by key: keys typed during its waits are dropped too
    ASSERT_GT(typed, 0);
    EXPECT_EQ(w.poker.pokerDrawPending, kFalse);
    EXPECT_EQ(w.poker.pokerHand[2].cardvalue, kJacksAndFours[2]);
    EXPECT_EQ(w.poker.pokerHand[0].cardvalue, kJacksAndFours[5]);
    EXPECT_EQ(meter(w), "-10");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join("|").toStdString();
}

// The table reads no input while a card flies; keys pressed then arrive afterwards.
TEST_F(PokerKeys, KeysPressedDuringADealButReadAfterItAreDropped) {
    FrmMain& w = poker(true);
    constexpr ulong kAhead = 70'000; // the window system's clock against the program's
    const auto stampAt = [&](qint64 programMs) { return static_cast<ulong>(programMs) + kAhead; };
    QKeyEvent tie(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    tie.setTimestamp(stampAt(platform.clockMs));
    QApplication::sendEvent(&w, &tie);
    const qint64 start = platform.clockMs;
    deal(w, kJacksAndFours);
    const qint64 end = platform.clockMs;
    ASSERT_GT(end, start + 600);
    typeKey(w, Qt::Key_1, stampAt((start + end) / 2));
    typeKey(w, Qt::Key_2, stampAt(end - 1));
    EXPECT_EQ(held(w), (std::vector<int16>(5, kFalse)));
    typeKey(w, Qt::Key_Return, stampAt(start + 10)); // no draw either
    EXPECT_EQ(w.poker.pokerDrawPending, kTrue);
    platform.clockMs += 50;
    typeKey(w, Qt::Key_3, stampAt(end + 20)); // pressed after the deal
    EXPECT_EQ(held(w), (std::vector<int16>{kFalse, kFalse, kTrue, kFalse, kFalse}));
}
