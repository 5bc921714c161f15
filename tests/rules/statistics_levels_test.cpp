// The record per computer level: its figures are written and read back apart from the
// variants' figures, and a file written before the levels were kept still reads, with no
// hands at any level.
#include <gtest/gtest.h>

#include "stats/statistics_file_rules.h"

using namespace quillan;

TEST(StatisticsLevels, EachLevelsFiguresComeBackUnderTheirOwnKeys) {
    StatisticsRecord r;
    Count n = 1;
    for (RummyRecord& level : r.byOpponent) {
        for (Count& h : level.hands) {
            h = n++;
        }
        level.pointsWon = n++;
        level.pointsLost = n++;
        level.currentStreak = n++;
        level.longestStreak = n++ + 100;
    }
    const std::string text = statisticsText(r);
    EXPECT_NE(text.find("rummy.opponent.expert.won.gin=24\n"), std::string::npos) << text;
    EXPECT_NE(text.find("rummy.opponent.standard.ties=7\n"), std::string::npos);
    const StatisticsParse back = parseStatistics(text);
    ASSERT_TRUE(back.record.has_value()) << back.problem;
    EXPECT_EQ(*back.record, r);
    EXPECT_EQ(back.record->rummy, StatisticsRecord{}.rummy); // the variants' figures untouched
}

TEST(StatisticsLevels, AnOlderFileReadsAndALevelsStreakIsCheckedLikeTheOthers) {
    const StatisticsParse old =
        parseStatistics("version=1\nrummy.standard.won.gin=4\nrummy.standard.streak.longest=2\n");
    ASSERT_TRUE(old.record.has_value()) << old.problem;
    EXPECT_EQ(old.record->of(RummyVariant::Standard).byResult(RummyResult::WonByGin), 4);
    for (const RummyRecord& level : old.record->byOpponent) {
        EXPECT_EQ(level.played(), 0);
    }
    const StatisticsParse bad =
        parseStatistics("version=1\nrummy.opponent.strong.streak.current=3\n");
    EXPECT_FALSE(bad.record.has_value());
    EXPECT_EQ(opponentLevelIndex("expert"), 2);
    EXPECT_EQ(opponentLevelIndex("baseline"), -1);
}
