// Ending a hand on the real window: the player's gin on a draw, "You can knock" and the
// knock, the computer's gin, the refusals, the score panel's labels and the banks.
#include <QAction>

#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/meld_rules.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::card;
using quillan::test::RummyWindowTest;

namespace {

class HandEnd : public RummyWindowTest {
  protected:
    // Eleven cards after taking 2D: three melds, 2D and 3D unmatched (deadwood 2).
    FrmMain& knockable() {
        FrmMain& w = game();
        setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H 3D");
        setRejectTop(w, "2D");
        analyseBoth(w);
        clickAt(w, centreOf(w.table.picReject));
        return w;
    }
    void setComputerUnmatched(FrmMain& w, const std::string& text) {
        const auto list = quillan::test::cards(text);
        w.rummy.computerUnmatched.resizeKeep(static_cast<long>(list.size()) - 1);
        for (size_t i = 0; i < list.size(); ++i) {
            w.rummy.computerUnmatched[static_cast<long>(i)] = list[i];
        }
    }
    QStringList panel(FrmMain& w) {
        return {label(w.ui.lblKnock),
                label(w.ui.lblGin),
                label(w.ui.lblUndercut),
                label(w.ui.lblYourDeadWood),
                label(w.ui.lblComputerDeadwood),
                label(w.ui.lblTotal)};
    }
};

} // namespace

TEST_F(HandEnd, GinOnADrawEndsTheHandWithThePanel) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H KD");
    setRejectTop(w, "9C");
    analyseBoth(w);
    const int16 computerDeadwood = countDeadwood(listFrom(w.rummy.computerUnmatched));
    clickAt(w, centreOf(w.table.picReject));
    EXPECT_EQ(w.turn.handOver, kTrue);
    EXPECT_TRUE(w.ui.Frame1->isVisible());
    EXPECT_EQ(status(w), "You Knock Gin");
    EXPECT_EQ(panel(w), (QStringList{"You Knock Gin", " 25", " 0", " 0",
                                     QString::fromStdString(panelNumber(computerDeadwood)),
                                     QString::fromStdString(panelNumber(computerDeadwood + 25))}));
    EXPECT_EQ(w.banks.handScore, computerDeadwood + 25);
    EXPECT_TRUE(platform.sounds.last().endsWith("wavs/pokerwin1.wav"));
    const int16 stock = static_cast<int16>(w.cards.stock.upperBound());
    clickAt(w, centreOf(w.table.picDeal[0])); // the hand is over: nothing is taken
    EXPECT_EQ(w.cards.stock.upperBound(), stock);
    w.PlayerKnock();
    EXPECT_EQ(platform.messages, QStringList{"Knock before you discard"});
}

TEST_F(HandEnd, AKnockFillsThePanelAndTheBankAfterLayOffs) {
    FrmMain& w = knockable();
    EXPECT_EQ(status(w), "*~You can knock*~");
    EXPECT_FALSE(w.ui.Frame1->isVisible());
    setComputerUnmatched(w, "7H 8H 5S KS"); // 7H and 8H go onto 4H 5H 6H
    w.banks.handScore = 0;
    w.menus.mnuKnock->trigger();
    EXPECT_EQ(w.turn.handOver, kTrue);
    EXPECT_TRUE(w.ui.Frame1->isVisible());
    EXPECT_EQ(panel(w), (QStringList{"You Knock", " 0", " 0", " 2", " 15", " 13"}));
    EXPECT_EQ(w.cards.rejectPile[w.cards.rejectPile.upperBound()].cardvalue,
              card("3D").cardvalue); // the highest unmatched card is thrown
    EXPECT_TRUE(platform.sounds.last().endsWith("wavs/pokerwin1.wav"));
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfPlayerBank, 13);
    EXPECT_EQ(w.banks.handScore, 0);
    w.settings.prfShowHide = kFalse; // an open computer hand keeps the banks at zero
    w.banks.prfComputerBank = 40;
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfComputerBank, 0);
    EXPECT_EQ(w.banks.prfPlayerBank, 0);
}

// After the player's own knock, less deadwood is more for the player: the total and the
// points waiting for the player's bank rise, the computer's bank stays, and the figure stops
// at 0 however often it is clicked.
TEST_F(HandEnd, CorrectingTheDeadwoodOfTheKnockMovesThePlayersPoints) {
    FrmMain& w = knockable();
    setComputerUnmatched(w, "7H 8H 5S KS");
    w.banks.prfComputerBank = 30;
    w.menus.mnuKnock->trigger();
    ASSERT_EQ(panel(w), (QStringList{"You Knock", " 0", " 0", " 2", " 15", " 13"}));
    ASSERT_EQ(w.banks.handScore, 13);
    w.lblYourDeadWood_MouseDown(2); // one more deadwood: one point less
    EXPECT_EQ(label(w.ui.lblYourDeadWood), "3");
    EXPECT_EQ(label(w.ui.lblTotal), "12");
    EXPECT_EQ(w.banks.handScore, 12);
    for (int click = 0; click < 30; ++click) {
        w.lblYourDeadWood_MouseDown(1);
    }
    EXPECT_EQ(label(w.ui.lblYourDeadWood), "0");
    EXPECT_EQ(label(w.ui.lblTotal), "15");
    EXPECT_EQ(w.banks.handScore, 15);
    EXPECT_EQ(w.banks.prfComputerBank, 30);
    w.UpdateBank();
    EXPECT_EQ(w.banks.prfPlayerBank, 15);
}

TEST_F(HandEnd, AnUndercutKnockLosesTwentyFive) {
    FrmMain& w = knockable();
    setComputerUnmatched(w, "AS AD");
    platform.sounds.clear();
    w.Form_DblClick();
    EXPECT_EQ(panel(w), (QStringList{"You Knock", " 0", " 25", " 2", " 2", "-25"}));
    EXPECT_EQ(w.banks.handScore, -25);
    ASSERT_FALSE(platform.sounds.isEmpty());
    EXPECT_TRUE(platform.sounds.last().contains("wrong.wav") ||
                platform.sounds.last().contains("lost"));
}

TEST_F(HandEnd, KnockRequestsBeyondTheLimitAreRefused) {
    FrmMain& w = game();
    setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D KH QD");
    setRejectTop(w, "2D");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picReject));
    w.mnuKnock_Click();
    EXPECT_EQ(platform.messages.last().toStdString(),
              "Your current preference setting for Gin Rummy is (standard).\r\nYou can knock "
              "with 10 deadwood or less.\r\n Your current deadwood count is 30");
    EXPECT_EQ(w.turn.handOver, kFalse);
    EXPECT_EQ(w.turn.playerHoldsDraw, kTrue);

    w.settings.prfOpQN = kTrue; // Simple: even deadwood 2 may not knock
    w.rummy.MAXDEADWOOD = 0;
    setCards(w.cards.handplayer, "AC 2C 3C 4H 5H 6H 9S 9D 9H 3D");
    w.analyseHand(w.cards.handplayer);
    EXPECT_NE(status(w), "You can knock");
    w.PlayerKnock();
    EXPECT_EQ(platform.messages.last().toStdString(),
              "Your current preference setting for Gin Rummy is (simple).\r\nYou can only "
              "Knock Gin.");
    EXPECT_FALSE(w.ui.Frame1->isVisible());
}

TEST_F(HandEnd, TheComputerGoesGinOnItsDraw) {
    FrmMain& w = game();
    setCards(w.cards.handComputer, "AC 2C 3C 4H 5H 6H 9S 9D 9H KD");
    setCards(w.cards.handplayer, "2S 4C 6D 8S TS 2D 4S 6C 8H JD");
    setRejectTop(w, "QS");
    analyseBoth(w);
    clickAt(w, centreOf(w.table.picReject));
    setStockTop(w, "9C");
    clickCard(w, 9); // throw JD: the computer draws 9C
    EXPECT_EQ(w.turn.handOver, kTrue);
    EXPECT_EQ(status(w), "Computer Knocks Gin");
    const int16 playerDeadwood = countDeadwood(listFrom(w.rummy.playerUnmatched));
    EXPECT_EQ(panel(w), (QStringList{"Computer Knocks Gin", " 25", " 0",
                                     QString::fromStdString(panelNumber(playerDeadwood)), " 0",
                                     QString::fromStdString(panelNumber(playerDeadwood + 25))}));
    EXPECT_EQ(w.banks.prfComputerBank, playerDeadwood + 25);
    EXPECT_EQ(w.banks.handScore, 0);
    EXPECT_TRUE(w.menus.mnuShowComputerHand->isEnabled());

    w.lblYourDeadWood_MouseDown(1); // the player corrects the figure by one
    EXPECT_EQ(label(w.ui.lblYourDeadWood), QString::number(playerDeadwood - 1));
    EXPECT_EQ(w.banks.prfComputerBank, playerDeadwood + 24);

    w.cmdPlayAgain_Click(); // the computer opens the next hand
    EXPECT_FALSE(w.ui.Frame1->isVisible());
    EXPECT_EQ(w.turn.handOver, kFalse);
    EXPECT_EQ(w.kept.playerStartsNext, kFalse);
}

TEST_F(HandEnd, DoubleClickingTheTableInVideoPokerDoesNothing) {
    loaded(); // no stored settings: Video Poker
    FrmMain& w = window();
    ASSERT_EQ(w.settings.isPoker, kTrue);
    const QPointF bare(w.ui.table->width() / 2.0, 30);
    mouse(w, TableMouseEvent::Kind::Press, bare);
    mouse(w, TableMouseEvent::Kind::Release, bare);
    mouse(w, TableMouseEvent::Kind::DoubleClick, bare);
    mouse(w, TableMouseEvent::Kind::Release, bare);
    EXPECT_TRUE(platform.messages.isEmpty());
}
