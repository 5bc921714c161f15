// Leaving the program after winning a hand, before "Play Again": the hand's points are in
// the bank that is offered to the top-score table.
#include "scores/score_table_rules.h"
#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

using UnloadHandScore = RummyWindowTest;

const QString kTopRummyPrompt =
    QStringLiteral("You have the top Gin-Rummy score. Please enter your name");

} // namespace

TEST_F(UnloadHandScore, TheWaitingPointsAreCreditedBeforeTheScoresAreOffered) {
    FrmMain& w = game();
    w.banks.prfPlayerBank = 100; // earlier hands
    w.banks.handScore = 40;      // the hand just won, still waiting for UpdateBank
    platform.inputAnswers = {"Winner"};
    w.Form_Unload();
    ASSERT_TRUE(platform.prompts.contains(kTopRummyPrompt));
    EXPECT_EQ(scoreTable[0].score, 140);
    EXPECT_EQ(w.banks.prfPlayerBank, 140);
    EXPECT_EQ(w.banks.handScore, 0);
}

TEST_F(UnloadHandScore, PointsAlreadyCreditedAreNotCountedTwice) {
    FrmMain& w = game();
    w.banks.prfPlayerBank = 100;
    w.banks.handScore = 40;
    w.UpdateBank(); // "Play Again" set the next hand's table up
    platform.inputAnswers = {"Winner"};
    w.Form_Unload();
    EXPECT_EQ(scoreTable[0].score, 140);
}

TEST_F(UnloadHandScore, AnUndercutHandTakesItsPointsOffTheBank) {
    FrmMain& w = game();
    w.banks.prfPlayerBank = 150;
    w.banks.handScore = -25;
    w.Form_Unload();
    EXPECT_FALSE(platform.prompts.contains(kTopRummyPrompt)); // 125 beats no entry of 130
    EXPECT_EQ(w.banks.prfPlayerBank, 125);
}
