// The arena's arithmetic against figures worked out by hand: the mean's interval, the Wilson
// interval of a share, nearest-rank percentiles, games to 100 and the summary of duplicate
// pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "gin/arena_stats_rules.h"

using namespace quillan;

namespace {

ArenaHand hand(ArenaEnding ending, int knocker, int winner, int pointsA, int pointsB) {
    ArenaHand h;
    h.ending = ending;
    h.knocker = knocker;
    h.winner = winner;
    h.points = {pointsA, pointsB};
    h.turns = {4, 3};
    return h;
}

} // namespace

TEST(ArenaStats, MeanIntervalOfAKnownSample) {
    // Mean 5; sum of squares 32, so s = sqrt(32 / 7) = 2.13809 and the standard error is
    // s / sqrt(8) = 0.755929; 1.959964 of those is 1.481585.
    const std::vector<double> sample{2, 4, 4, 4, 5, 5, 7, 9};
    const Interval i = meanInterval(sample);
    EXPECT_DOUBLE_EQ(i.mean, 5.0);
    EXPECT_NEAR(i.low, 3.518415, 1e-5);
    EXPECT_NEAR(i.high, 6.481585, 1e-5);

    const std::vector<double> one{7};
    const Interval single = meanInterval(one);
    EXPECT_EQ(single.low, 7);
    EXPECT_EQ(single.high, 7);
    const Interval empty = meanInterval({});
    EXPECT_EQ(empty.mean, 0);
    EXPECT_EQ(empty.high, 0);
}

TEST(ArenaStats, WilsonIntervalOfAShare) {
    // 8 of 10: centre (0.8 + 0.19207) / 1.38415 = 0.71674, half width 0.22658.
    const Interval eight = shareInterval(8, 10);
    EXPECT_DOUBLE_EQ(eight.mean, 0.8);
    EXPECT_NEAR(eight.low, 0.4902, 1e-4);
    EXPECT_NEAR(eight.high, 0.9433, 1e-4);
    // None of 10 still has room above 0, and never goes below it.
    const Interval none = shareInterval(0, 10);
    EXPECT_NEAR(none.low, 0.0, 1e-12);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const Interval half = shareInterval(50, 100);
    EXPECT_NEAR(half.low, 0.4038, 1e-4);
    EXPECT_NEAR(half.high, 0.5962, 1e-4);
    EXPECT_EQ(shareInterval(0, 0).high, 0);
}

TEST(ArenaStats, NearestRankPercentiles) {
    std::vector<double> hundred(100);
    std::iota(hundred.begin(), hundred.end(), 1.0);
    std::shuffle(hundred.begin(), hundred.end(), std::mt19937(3));
    EXPECT_EQ(percentile(hundred, 99), 99);
    EXPECT_EQ(percentile(hundred, 50), 50);
    EXPECT_EQ(percentile(hundred, 100), 100);
    EXPECT_EQ(percentile(hundred, 1), 1);

    std::vector<double> thousand(1000);
    std::iota(thousand.begin(), thousand.end(), 1.0);
    std::reverse(thousand.begin(), thousand.end());
    EXPECT_EQ(percentile(thousand, 99), 990);

    EXPECT_EQ(percentile({4, 1, 3, 2}, 50), 2);
    EXPECT_EQ(percentile({0.25}, 99), 0.25);
    EXPECT_EQ(percentile({}, 99), 0);
}

TEST(ArenaStats, GamesToOneHundred) {
    GameTally tally;
    tally.addHand(60, 0);
    tally.addHand(30, 0);
    tally.addHand(0, 25);
    EXPECT_EQ(tally.finished(), 0);
    EXPECT_EQ(tally.bank(0), 90);
    tally.addHand(10, 0); // exactly 100 wins
    EXPECT_EQ(tally.won(0), 1);
    EXPECT_EQ(tally.bank(0), 0);
    EXPECT_EQ(tally.bank(1), 0);
    EXPECT_FALSE(tally.unfinished());

    tally.addHand(-25, 0); // an undercut knocker's bank goes down
    EXPECT_EQ(tally.bank(0), -25);
    EXPECT_TRUE(tally.unfinished());
    tally.addHand(0, 130);
    EXPECT_EQ(tally.won(1), 1);

    GameTally both;
    both.addHand(120, 110); // both over: the higher bank
    both.addHand(100, 100); // level: drawn
    EXPECT_EQ(both.won(0), 1);
    EXPECT_EQ(both.drawn(), 1);
    EXPECT_EQ(both.finished(), 2);
}

TEST(ArenaStats, SummaryOfDuplicatePairs) {
    const std::vector<ArenaHand> hands{
        hand(ArenaEnding::Knock, 0, 0, 10, 0),     // deal 0, A in the person's seat
        hand(ArenaEnding::Gin, 1, 1, 0, 30),       // deal 0, seats swapped
        hand(ArenaEnding::Tie, -1, -1, 0, 0),      // deal 1
        hand(ArenaEnding::Undercut, 0, 1, -27, 0), // deal 1, A knocked and was undercut
    };
    const ArenaSummary s = summariseArena(hands, false);
    EXPECT_EQ(s.pairs, 2);
    EXPECT_EQ(s.hands, 4);
    EXPECT_EQ(s.ties, 1);
    EXPECT_EQ(s.sides[0].handsWon, 1);
    EXPECT_EQ(s.sides[1].handsWon, 2);
    EXPECT_EQ(s.sides[0].knocks, 1);
    EXPECT_EQ(s.sides[1].gins, 1);
    EXPECT_EQ(s.sides[0].undercuts, 1);
    EXPECT_EQ(s.sides[1].undercuts, 0);
    // Pair means: A 5 and -13.5, B 15 and 0; A - B: -10 and -13.5.
    EXPECT_DOUBLE_EQ(s.sides[0].points.mean, -4.25);
    EXPECT_DOUBLE_EQ(s.sides[1].points.mean, 7.5);
    EXPECT_DOUBLE_EQ(s.net.mean, -11.75);
    EXPECT_DOUBLE_EQ(s.sides[0].turns, 4.0);
    EXPECT_DOUBLE_EQ(s.sides[1].handShare.mean, 0.5);
    EXPECT_EQ(s.games, 0); // not asked for
}

TEST(ArenaStats, GamesAreTalliedPerSeating) {
    // The first hands of the deals make one series, the second hands the other: A reaches 120
    // in the first, B 120 in the second. Taken in plain order, A would win at hand 2 and B's
    // second 60 would start a new game.
    std::vector<ArenaHand> hands{
        hand(ArenaEnding::Knock, 0, 0, 60, 0), hand(ArenaEnding::Knock, 1, 1, 0, 60),
        hand(ArenaEnding::Knock, 0, 0, 60, 0), hand(ArenaEnding::Knock, 1, 1, 0, 60),
        hand(ArenaEnding::Knock, 0, 0, 5, 0),  hand(ArenaEnding::Forfeit, -1, 0, 0, 0),
    };
    hands[5].forfeiter = 1;
    const ArenaSummary s = summariseArena(hands, true);
    EXPECT_EQ(s.sides[0].gamesWon, 1);
    EXPECT_EQ(s.sides[1].gamesWon, 1);
    EXPECT_EQ(s.games, 2);
    EXPECT_EQ(s.unfinishedGames, 2); // the last two hands start a game in each series
    EXPECT_DOUBLE_EQ(s.sides[0].gameShare.mean, 0.5);
    EXPECT_EQ(s.sides[1].forfeits, 1);
    EXPECT_EQ(s.sides[0].handsWon, 4);
}
