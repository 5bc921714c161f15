// Lay-offs, the score panel of the six endings, banks and the result sounds.
#include <gtest/gtest.h>

#include "rummy/scoring_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

TEST(RummyLayOff, RunTakesTwoCardsAboveThenTheRestCounts) {
    CardList computer = list("7H 8H 9C KS");
    const int16 dw =
        countLayOffDeadwood(list("4H 5H 6H"), list("QC QD QS"), CardList{}, true, computer);
    EXPECT_EQ(dw, 19);
    EXPECT_EQ(names(computer), "-- -- 9C KS");
    EXPECT_EQ(computer[0].cardvalue, -1);
    const ScorePanel p = scorePlayerKnock(3, dw);
    EXPECT_EQ(p.total, 16);
    EXPECT_EQ(p.lblTotal, " 16");
    EXPECT_FALSE(p.undercut);
}

TEST(RummyLayOff, HighToLowRunAcceptsCardsAtBothEnds) {
    CardList defender = list("3D 8D 9D 2D KC");
    const int16 dw =
        countLayOffDeadwood(list("7D 6D 5D 4D"), CardList{}, CardList{}, true, defender);
    EXPECT_EQ(dw, 10);
    EXPECT_EQ(names(defender), "-- -- -- -- KC");
}

TEST(RummyLayOff, SetsTakeEveryCardOfTheirRankAfterTheRuns) {
    CardList defender = list("QH 4S 7C");
    EXPECT_EQ(countLayOffDeadwood(list("QC QD QS"), list("5S 6S 7S"), CardList{}, true, defender),
              7);
    EXPECT_EQ(names(defender), "-- -- 7C");
}

TEST(RummyLayOff, CardBetweenTwoRunsOfOneSuitIsLaidOffOnce) {
    CardList defender = list("7H KC");
    EXPECT_EQ(countLayOffDeadwood(list("4H 5H 6H"), list("TH 9H 8H"), CardList{}, true, defender),
              10);
}

TEST(RummyLayOff, GinLaysNothingOffAndEmptyMeldsTakeNothing) {
    CardList defender = list("7H 8H 9C KS 2D");
    EXPECT_EQ(
        countLayOffDeadwood(list("4H 5H 6H"), list("KC KD KH"), list("2C 2H 2S"), false, defender),
        36);
    EXPECT_EQ(names(defender), "7H 8H 9C KS 2D");
    CardList withEmpty = list("AC 2C");
    withEmpty.push(CardSlot{});
    const CardList emptyMeld{CardSlot{}, CardSlot{}, CardSlot{}};
    EXPECT_EQ(countLayOffDeadwood(emptyMeld, emptyMeld, emptyMeld, true, withEmpty), 3);
}

TEST(RummyPanel, PlayerGin) {
    const ScorePanel p = scorePlayerGin(30);
    EXPECT_EQ(p.lblKnock, "You Knock Gin");
    EXPECT_EQ(p.lblGin, " 25");
    EXPECT_EQ(p.lblUndercut, " 0");
    EXPECT_EQ(p.lblYourDeadWood, " 0");
    EXPECT_EQ(p.lblComputerDeadwood, " 30");
    EXPECT_EQ(p.lblTotal, " 55");
    EXPECT_EQ(p.handScore, 55);
    EXPECT_EQ(p.computerBankChange, 0);
}

TEST(RummyPanel, PlayerUndercutWithEqualDeadwood) {
    const ScorePanel p = scorePlayerKnock(4, 4);
    EXPECT_TRUE(p.undercut);
    EXPECT_EQ(p.lblUndercut, " 25");
    EXPECT_EQ(p.total, -25);
    EXPECT_EQ(p.lblTotal, "-25");
    EXPECT_EQ(p.handScore, -25);
}

TEST(RummyPanel, ComputerGinWithPlayerHoldingThirty) {
    CardList player = list("KS QD 7C 3H");
    const int16 dw =
        countLayOffDeadwood(list("JS JC JD"), list("8C 9C TC"), list("4H 5H 6H"), false, player);
    const ScorePanel p = scoreComputerGin(dw);
    EXPECT_EQ(p.lblKnock, "Computer Knocks Gin");
    EXPECT_EQ(p.lblYourDeadWood, " 30");
    EXPECT_EQ(p.lblComputerDeadwood, " 0");
    EXPECT_EQ(p.total, 55);
    EXPECT_EQ(p.computerBankChange, 55);
    EXPECT_EQ(p.handScore, 0);
}

TEST(RummyPanel, ComputerKnockAndUndercut) {
    const ScorePanel win = scoreComputerKnock(3, 20);
    EXPECT_EQ(win.lblKnock, "Computer Knocks");
    EXPECT_EQ(win.lblGin, " 0");
    EXPECT_EQ(win.lblUndercut, " 0");
    EXPECT_EQ(win.total, 17);
    EXPECT_EQ(win.computerBankChange, 17);
    const ScorePanel lost = scoreComputerKnock(9, 5);
    EXPECT_EQ(lost.total, -29);
    EXPECT_EQ(lost.lblTotal, "-29");
    EXPECT_EQ(lost.computerBankChange, -29);
    EXPECT_EQ(lost.handScore, 0);
}

TEST(RummyPanel, FaceCardAsKnockersDeadwoodReadsTen) {
    EXPECT_EQ(scoreComputerKnock(10, 12).lblComputerDeadwood, " 10");
    EXPECT_EQ(scorePlayerKnock(10, 12).lblYourDeadWood, " 10");
}

TEST(RummyBank, OverflowRaisesAndLeavesTheBank) {
    int16 bank = 32760;
    try {
        bank = addToBank(bank, 25);
        FAIL() << "no overflow";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Overflow");
    }
    EXPECT_EQ(bank, 32760);
    EXPECT_EQ(addToBank(-100, -29), -129);
}

TEST(RummyBank, OpenHandZeroesBanksBeforeCreditingHandScore) {
    const BankTotals shown = updateBank({40, 70, 16}, 0);
    EXPECT_EQ(shown.computer, 0);
    EXPECT_EQ(shown.player, 16);
    EXPECT_EQ(shown.handScore, 0);
    const BankTotals hidden = updateBank({40, 70, 16}, kTrue);
    EXPECT_EQ(hidden.computer, 40);
    EXPECT_EQ(hidden.player, 86);
    EXPECT_THROW(updateBank({0, 32767, 1}, kTrue), ProgramError);
}

TEST(RummyBank, DeadwoodCorrectionOfAHandTheComputerEnded) {
    for (const HandEnding ending : {HandEnding::ComputerKnock, HandEnding::ComputerGin}) {
        const DeadwoodCorrection down = correctPlayerDeadwood(ending, {5, 12, 30, 0}, 1);
        EXPECT_EQ(down.lblYourDeadWood, "4");
        EXPECT_EQ(down.lblTotal, "11");
        EXPECT_EQ(down.figures.computerBank, 29);
        EXPECT_EQ(down.figures.handScore, 0);
        const DeadwoodCorrection up = correctPlayerDeadwood(ending, {5, -3, 30, 0}, 2);
        EXPECT_EQ(up.lblYourDeadWood, "6");
        EXPECT_EQ(up.lblTotal, "-2");
        EXPECT_EQ(up.figures.computerBank, 31);
    }
}

TEST(RummyBank, DeadwoodCorrectionOfAHandThePlayerEnded) {
    // A knock with 7 against 47: total 40, waiting in handScore.
    const DeadwoodCorrection down =
        correctPlayerDeadwood(HandEnding::PlayerKnock, {7, 40, 12, 40}, 1);
    EXPECT_EQ(down.lblYourDeadWood, "6");
    EXPECT_EQ(down.lblTotal, "41");
    EXPECT_EQ(down.figures.handScore, 41);
    EXPECT_EQ(down.figures.computerBank, 12);
    const DeadwoodCorrection up = correctPlayerDeadwood(HandEnding::PlayerGin, {0, 30, 12, 30}, 3);
    EXPECT_EQ(up.lblYourDeadWood, "1");
    EXPECT_EQ(up.lblTotal, "29");
    EXPECT_EQ(up.figures.handScore, 29);
    EXPECT_EQ(up.figures.computerBank, 12);
}

TEST(RummyBank, DeadwoodNeverGoesBelowZero) {
    for (const HandEnding ending : {HandEnding::PlayerGin, HandEnding::ComputerKnock}) {
        const DeadwoodCorrection c = correctPlayerDeadwood(ending, {0, 25, 30, 25}, 1);
        EXPECT_EQ(c.lblYourDeadWood, "0"); // the bare number, as after every click
        EXPECT_EQ(c.lblTotal, "25");
        EXPECT_EQ(c.figures.computerBank, 30);
        EXPECT_EQ(c.figures.handScore, 25);
    }
}

TEST(RummySounds, ResultAndLossSoundChoices) {
    EXPECT_EQ(resultSoundFor(0.0), "\\wavs\\ohdear.wav");
    EXPECT_EQ(resultSoundFor(0.5), "\\wavs\\doh.wav");
    EXPECT_EQ(resultSoundFor(0.99), "\\wavs\\peek.wav");
    EXPECT_EQ(lossSoundFor(0.5, 0.0), "\\wavs\\wrong.wav");
    EXPECT_EQ(lossSoundFor(0.65, 0.2), "\\wavs\\lost1.wav");
    EXPECT_EQ(lossSoundFor(0.65, 0.7), "\\wavs\\lost2.wav");
}
