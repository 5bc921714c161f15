// Counting the record of play: the player's result of each way a Gin Rummy hand is scored,
// streaks and points; Video Poker hands by final group, the return, refused holds; and the
// expected shares against this machine's pay table.
#include <gtest/gtest.h>

#include "poker/poker_pay_rules.h"
#include "poker/poker_whole_game_rules.h"
#include "stats/statistics_format_rules.h"
#include "stats/statistics_rules.h"

using namespace quillan;

TEST(StatisticsRummy, EachEndingIsTheRightResultForThePlayer) {
    const auto result = [](const ScorePanel& p) { return rummyHandOf(p); };
    EXPECT_EQ(result(scorePlayerGin(12)).result, RummyResult::WonByGin);
    EXPECT_EQ(result(scorePlayerGin(12)).points, 37);
    EXPECT_EQ(result(scorePlayerKnock(3, 19)).result, RummyResult::WonByKnock);
    EXPECT_EQ(result(scorePlayerKnock(3, 19)).points, 16);
    EXPECT_EQ(result(scorePlayerKnock(4, 4)).result, RummyResult::LostByUndercut);
    EXPECT_EQ(result(scorePlayerKnock(4, 4)).points, 25);
    EXPECT_EQ(result(scoreComputerGin(30)).result, RummyResult::LostByGin);
    EXPECT_EQ(result(scoreComputerGin(30)).points, 55);
    EXPECT_EQ(result(scoreComputerKnock(5, 9)).result, RummyResult::LostByKnock);
    EXPECT_EQ(result(scoreComputerKnock(5, 9)).points, 4);
    EXPECT_EQ(result(scoreComputerKnock(9, 2)).result, RummyResult::WonByUndercut);
    EXPECT_EQ(result(scoreComputerKnock(9, 2)).points, 32);
}

TEST(StatisticsRummy, StreaksEndOnAnyHandNotWonAndPointsGoToTheirSide) {
    RummyRecord r;
    const RummyHand won{RummyResult::WonByKnock, 10};
    for (const RummyHand& h : {won, won, RummyHand{RummyResult::LostByGin, 40}, won, won, won,
                               RummyHand{RummyResult::Tie, 0}, won}) {
        recordRummyHand(r, h);
    }
    EXPECT_EQ(r.played(), 8);
    EXPECT_EQ(r.won(), 6);
    EXPECT_EQ(r.lost(), 1);
    EXPECT_EQ(r.ties(), 1);
    EXPECT_EQ(r.longestStreak, 3);
    EXPECT_EQ(r.currentStreak, 1);
    EXPECT_EQ(r.pointsWon, 60);
    EXPECT_EQ(r.pointsLost, 40);
}

TEST(StatisticsRummy, CountsStopAtTheirLimit) {
    RummyRecord r;
    r.pointsWon = kMaxCount - 5;
    r.hands[0] = kMaxCount;
    recordRummyHand(r, {RummyResult::WonByKnock, 30});
    EXPECT_EQ(r.pointsWon, kMaxCount);
    EXPECT_EQ(r.hands[0], kMaxCount);
}

TEST(StatisticsPoker, FinalHandsCountByGroupAndTheReturnFollows) {
    PokerRecord p;
    EXPECT_FALSE(actualReturn(p).has_value());
    EXPECT_FALSE(finalShare(p, 0).has_value());
    EXPECT_TRUE(recordPokerHand(p, kHighPair, 5, 5));
    EXPECT_TRUE(recordPokerHand(p, kFullHouse, 5, 45));
    EXPECT_TRUE(recordPokerHand(p, kLowPair, 5, 0));
    EXPECT_TRUE(recordPokerHand(p, kAllTrash, 5, 0));
    // No final hand is a four-card draw, and numbers off the ladder are nothing.
    for (const int category : {int{kFourToRoyal}, int{kFourToStraightFlush}, 0, 22, -1}) {
        EXPECT_FALSE(recordPokerHand(p, category, 5, 0)) << category;
    }
    EXPECT_EQ(p.handsPlayed(), 4);
    EXPECT_EQ(p.creditsBet, 20);
    EXPECT_EQ(p.creditsWon, 50);
    EXPECT_DOUBLE_EQ(*actualReturn(p), 2.5);
    EXPECT_EQ(p.finalHands[kNoWinGroup], 2);
    EXPECT_DOUBLE_EQ(*finalShare(p, kNoWinGroup), 0.5);
    EXPECT_DOUBLE_EQ(*finalShare(p, finalGroupOf(kFullHouse)), 0.25);
    EXPECT_EQ(returnText(actualReturn(p)), "250.00%");
}

TEST(StatisticsPoker, RefusedHoldsCountByRungAndTheRunKeepsItsBest) {
    PokerRecord p;
    EXPECT_TRUE(recordRefusedHold(p, kHighPair));
    EXPECT_TRUE(recordRefusedHold(p, kHighPair));
    EXPECT_TRUE(recordRefusedHold(p, kAllTrash));
    EXPECT_FALSE(recordRefusedHold(p, 0));
    EXPECT_FALSE(recordRefusedHold(p, 22));
    EXPECT_EQ(p.refused[kHighPair - 1], 2);
    EXPECT_EQ(p.refused[kAllTrash - 1], 1);
    recordPerfectRun(p, 7);
    recordPerfectRun(p, 3);
    EXPECT_EQ(p.longestRun, 7);
}

TEST(StatisticsOdds, TheSharesAreWholeAndGiveTheMachinesReturn) {
    double total = 0.0;
    double returned = 0.0;
    for (const FinalGroup& g : kFinalGroups) {
        total += g.odds;
        if (const auto pay = payoutFor(g.category)) {
            returned += g.odds * pay->pays / kPokerBet;
        } else {
            EXPECT_EQ(g.category, 0);
        }
    }
    EXPECT_NEAR(total, 1.0, 1e-9);
    EXPECT_NEAR(returned, kTheoreticalReturn, 1e-6);
    EXPECT_EQ(returnText(kTheoreticalReturn), "99.54%");
    // Each paying category of the ladder has its own group.
    for (int c = kFirstCategory; c <= kLastCategory; ++c) {
        const int group = finalGroupOf(c);
        if (payoutFor(c)) {
            ASSERT_GE(group, 0);
            EXPECT_EQ(kFinalGroups[static_cast<std::size_t>(group)].category, c);
        } else if (c != kFourToRoyal && c != kFourToStraightFlush) {
            EXPECT_EQ(group, kNoWinGroup) << c;
        }
    }
}

TEST(StatisticsFormat, SharesKeepARareHandVisible) {
    EXPECT_EQ(shareText(std::nullopt), "\u2013");
    EXPECT_EQ(shareText(0.0), "0.00%");
    EXPECT_EQ(shareText(0.5454345848), "54.54%");
    EXPECT_EQ(shareText(0.0023625457), "0.236%");
    EXPECT_EQ(shareText(0.0000247583), "0.0025%");
    EXPECT_EQ(returnText(std::nullopt), "\u2013");
}

TEST(StatisticsOdds, TheSharesAreTheWholeGameAnalysisOfBestPlay) {
    const HoldValueTable table;
    const WholeGame game = playWholeGame(table);
    ASSERT_EQ(game.deals, kAllDeals);
    double noWin = 0.0;
    for (int c = kThreeToRoyal; c <= kAllTrash; ++c) {
        noWin += game.finalShare(c);
    }
    for (const FinalGroup& g : kFinalGroups) {
        const double share = g.category == 0 ? noWin : game.finalShare(g.category);
        EXPECT_NEAR(g.odds, share, 1e-10) << g.category;
    }
    EXPECT_NEAR(kTheoreticalReturn, game.bestReturn(), 1e-10);
}
