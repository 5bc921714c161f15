// Knock limits per variant, the player's analysis outcome, knock requests and their refusal
// texts, and the variant's status line.
#include <gtest/gtest.h>

#include "rummy/knock_rules.h"
#include "rummy_test_cards.h"

using namespace quillan;
using namespace quillan::test;

namespace {

HandAnalysis analyse(const std::string& hand) {
    return analyseHand(cards(hand), {});
}

// 5-run, 3-set and 5C 9D beside the king the knock throws: deadwood 14.
const char* const kDeadwood14 = "3H 4H 5H 6H 7H 2C 2D 2S 5C 9D KS";
// Deadwood 10 (5C 5D beside KS).
const char* const kDeadwood10 = "3H 4H 5H 6H 7H 2C 2D 2S 5C 5D KS";
// Three 3-card melds, AC counted, KD thrown: deadwood 1.
const char* const kDeadwood1 = "2C 2D 2H 5S 6S 7S 9D 9C 9H AC KD";

} // namespace

TEST(RummyKnockLimits, SimpleZeroStandardTenOklahomaFromUpcard) {
    EXPECT_EQ(fixedMaxDeadwood(RummyVariant::Simple), 0);
    EXPECT_EQ(fixedMaxDeadwood(RummyVariant::Standard), 10);
    EXPECT_EQ(oklahomaMaxDeadwood(card("KH")), 10);
    EXPECT_EQ(oklahomaMaxDeadwood(card("JC")), 10);
    EXPECT_EQ(oklahomaMaxDeadwood(card("AS")), 1);
    EXPECT_EQ(oklahomaMaxDeadwood(card("7D")), 7);
}

TEST(RummyKnockLimits, VariantFromOptionSettings) {
    EXPECT_EQ(variantFromSettings(kTrue, kFalse, kFalse), RummyVariant::Simple);
    EXPECT_EQ(variantFromSettings(kFalse, kTrue, kFalse), RummyVariant::Standard);
    EXPECT_EQ(variantFromSettings(kFalse, kFalse, kTrue), RummyVariant::Oklahoma);
}

TEST(RummyPlayerAnalysis, SimpleWithDeadwoodOneShowsNothingAndRefusesKnock) {
    const HandAnalysis a = analyse(kDeadwood1);
    ASSERT_EQ(a.deadwood, 1);
    EXPECT_EQ(playerAnalysisOutcome(a, 0, true).outcome, PlayerAnalysisOutcome::Nothing);
    const KnockDecision d = decidePlayerKnock(true, a.storedUnmatched, RummyVariant::Simple, 0);
    EXPECT_EQ(d.request, KnockRequest::Refused);
    EXPECT_EQ(d.message, "Your current preference setting for Gin Rummy is (simple).\r\n"
                         "You can only Knock Gin.");
}

TEST(RummyPlayerAnalysis, StandardDeadwoodExactlyTenCanKnockAndKnockGoesThrough) {
    const HandAnalysis a = analyse(kDeadwood10);
    const PlayerAnalysisResult r = playerAnalysisOutcome(a, 10, true);
    EXPECT_EQ(r.outcome, PlayerAnalysisOutcome::KnockPrepared);
    EXPECT_EQ(r.statusText, "You can knock");
    EXPECT_EQ(decidePlayerKnock(true, a.storedUnmatched, RummyVariant::Standard, 10).request,
              KnockRequest::Accepted);
}

TEST(RummyPlayerAnalysis, ThreeMeldSplitHasItsOwnKnockHint) {
    EXPECT_EQ(playerAnalysisOutcome(analyse(kDeadwood1), 10, true).statusText, "*~You can knock*~");
}

TEST(RummyPlayerAnalysis, KnockableHandBeforeDrawingPreparesNothing) {
    EXPECT_EQ(playerAnalysisOutcome(analyse(kDeadwood10), 10, false).outcome,
              PlayerAnalysisOutcome::Nothing);
}

TEST(RummyPlayerAnalysis, GinEndsTheHandWhateverPlayerHoldsDrawSays) {
    const HandAnalysis a = analyse("7C 2H 7D 3H 7H 4H 9S TS JS 7S KD");
    for (bool holds : {true, false}) {
        const PlayerAnalysisResult r = playerAnalysisOutcome(a, 0, holds);
        EXPECT_EQ(r.outcome, PlayerAnalysisOutcome::Gin);
        EXPECT_EQ(r.statusText, "You Knock Gin");
    }
    EXPECT_EQ(playerAnalysisOutcome(analyse("5S 6S 7S 8S 9S 2H 3H 4H 5H 6H KD"), 0, true).outcome,
              PlayerAnalysisOutcome::Gin);
}

TEST(RummyKnockRequest, AfterTheDiscardSaysKnockBeforeYouDiscard) {
    const KnockDecision d = decidePlayerKnock(false, CardList{}, RummyVariant::Standard, 10);
    EXPECT_EQ(d.request, KnockRequest::NotDrawn);
    EXPECT_EQ(d.message, "Knock before you discard");
}

TEST(RummyKnockRequest, StandardAndOklahomaRefusalTexts) {
    const HandAnalysis a = analyse(kDeadwood14);
    EXPECT_EQ(decidePlayerKnock(true, a.storedUnmatched, RummyVariant::Standard, 10).message,
              "Your current preference setting for Gin Rummy is (standard).\r\n"
              "You can knock with 10 deadwood or less.\r\n"
              " Your current deadwood count is 14");
    EXPECT_EQ(decidePlayerKnock(true, a.storedUnmatched, RummyVariant::Oklahoma, 1).message,
              "Your current preference setting for Gin Rummy is (Oklahoma).\r\n"
              "You can knock with 1 deadwood or less.\r\n"
              " Your current deadwood count is 14");
}

TEST(RummyKnockRequest, KnockDiscardSlotFoundByValueOrSlotZero) {
    const std::vector<CardSlot> hand = cards(kDeadwood14);
    EXPECT_EQ(knockDiscardSlot(hand, card("KS")), 10);
    EXPECT_EQ(knockDiscardSlot(hand, card("QD")), 0);
}

TEST(RummyVariantStatus, ShownOnlyWhenNotAlreadyThere) {
    EXPECT_EQ(variantStatusText(RummyVariant::Oklahoma, 1, "Dealing.."),
              "Playing Oklahoma Gin Rummy..1 or less to knock");
    EXPECT_EQ(
        variantStatusText(RummyVariant::Oklahoma, 10, "Playing Oklahoma Gin Rummy..1 or less"), "");
    EXPECT_EQ(variantStatusText(RummyVariant::Standard, 10, "x Standard Gin Rummy x"), "");
    EXPECT_EQ(variantStatusText(RummyVariant::Standard, 10, "standard gin rummy"),
              "Playing Standard Gin Rummy.");
    EXPECT_EQ(variantStatusText(RummyVariant::Simple, 0, "Playing Simple Gin Rummy. "),
              "Playing Simple Gin Rummy.");
    EXPECT_EQ(variantStatusText(RummyVariant::Simple, 0, "Playing Simple Gin Rummy."), "");
}
