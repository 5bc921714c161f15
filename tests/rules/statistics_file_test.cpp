// The statistics file's text: every figure comes back as written, and any other bytes are
// refused whole with a reason, never half-read and never a crash.
#include <gtest/gtest.h>
#include <random>

#include "stats/statistics_file_rules.h"

using namespace quillan;

namespace {

// Every figure different, so a figure read into the wrong place shows.
StatisticsRecord everyFigureSet() {
    StatisticsRecord r;
    Count n = 1;
    for (RummyRecord& v : r.rummy) {
        for (Count& h : v.hands) {
            h = n++;
        }
        v.pointsWon = n++;
        v.pointsLost = n++;
        v.currentStreak = n++;
        v.longestStreak = n++ + 100;
    }
    r.poker.creditsBet = n++;
    r.poker.creditsWon = n++;
    r.poker.longestRun = n++;
    for (Count& f : r.poker.finalHands) {
        f = n++;
    }
    for (Count& f : r.poker.refused) {
        f = n++;
    }
    r.poker.refused.back() = kMaxCount;
    for (Count& f : r.poker.drawnOtherwise) {
        f = n++;
    }
    return r;
}

std::string withLine(std::string text, const std::string& line) {
    return text + line + "\n";
}

} // namespace

TEST(StatisticsFile, EveryFigureComesBack) {
    const StatisticsRecord r = everyFigureSet();
    const std::string text = statisticsText(r);
    EXPECT_EQ(text.rfind("version=1\n", 0), 0u);
    const StatisticsParse back = parseStatistics(text);
    ASSERT_TRUE(back.record.has_value()) << back.problem;
    EXPECT_EQ(*back.record, r);
    EXPECT_TRUE(back.problem.empty());
}

TEST(StatisticsFile, LineEndsBlankLinesAndMissingFiguresAreAccepted) {
    const StatisticsParse empty = parseStatistics("version=1");
    ASSERT_TRUE(empty.record.has_value());
    EXPECT_EQ(*empty.record, StatisticsRecord{});
    const StatisticsParse some =
        parseStatistics("version=1\r\n\r\nrummy.oklahoma.won.gin=4\r\npoker.final.11=9\r\n");
    ASSERT_TRUE(some.record.has_value()) << some.problem;
    EXPECT_EQ(some.record->of(RummyVariant::Oklahoma).byResult(RummyResult::WonByGin), 4);
    EXPECT_EQ(some.record->poker.finalHands[finalGroupOf(11)], 9);
}

// A file written before the draws held otherwise were counted reads whole, those counts 0.
TEST(StatisticsFile, AFileFromBeforeTheDrawsHeldOtherwiseReadsWithThemAtZero) {
    StatisticsRecord r = everyFigureSet();
    const std::string text = statisticsText(r);
    std::string older;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at) + 1;
        const std::string line = text.substr(at, end - at);
        if (line.rfind("poker.otherwise.", 0) != 0) {
            older += line;
        }
        at = end;
    }
    ASSERT_EQ(older.find("otherwise"), std::string::npos);
    const StatisticsParse back = parseStatistics(older);
    ASSERT_TRUE(back.record.has_value()) << back.problem;
    r.poker.drawnOtherwise = {};
    EXPECT_EQ(*back.record, r);
    EXPECT_NE(statisticsText(everyFigureSet()).find("poker.otherwise.21="), std::string::npos);
}

TEST(StatisticsFile, AnythingElseIsRefusedWithAReason) {
    const std::string good = statisticsText(StatisticsRecord{});
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"", "version"},
        {"version=2\n", "version"},
        {"rummy.simple.ties=1\nversion=1\n", "version"},
        {withLine(good, "rummy.simple.wins=1"), "line"},
        {withLine(good, "poker.final.5=1"), "line"},
        {withLine(good, "rummy.simple.ties"), "line"},
        {withLine(good, "rummy.simple.ties=-1"), "line"},
        {withLine(good, "rummy.simple.ties=1x"), "line"},
        {withLine(good, "rummy.simple.ties= 1"), "line"},
        {withLine(good, "rummy.simple.ties=1000000000000000"), "line"},
        {withLine(good, std::string("rummy.simple.ties=1\0", 20)), "line"},
        {"version=1\nrummy.simple.ties=1\nrummy.simple.ties=2\n", "line 3"},
        {"version=1\nrummy.simple.streak.current=3\nrummy.simple.streak.longest=2\n", "streak"},
        {"version=1\n" + std::string(kMaxStatisticsBytes, '\n'), "long"},
    };
    for (const auto& [text, reason] : bad) {
        const StatisticsParse p = parseStatistics(text);
        EXPECT_FALSE(p.record.has_value()) << text.substr(0, 80);
        EXPECT_NE(p.problem.find(reason), std::string::npos) << p.problem;
    }
}

TEST(StatisticsFile, RandomBytesAndDamagedRecordsNeverHalfRead) {
    std::mt19937 random(20261209);
    const std::string good = statisticsText(everyFigureSet());
    for (int round = 0; round < 3000; ++round) {
        std::string text = good;
        if (round % 3 == 0) {
            text.assign(random() % 200, '\0');
            for (char& c : text) {
                c = static_cast<char>(random());
            }
        } else {
            for (int k = 0; k < 1 + round % 5; ++k) {
                text[random() % text.size()] = static_cast<char>(random());
            }
        }
        const StatisticsParse p = parseStatistics(text);
        EXPECT_NE(p.record.has_value(), !p.problem.empty());
        if (p.record) {
            // What was accepted is a record of its own that writes and reads the same.
            const StatisticsParse again = parseStatistics(statisticsText(*p.record));
            ASSERT_TRUE(again.record.has_value());
            EXPECT_EQ(*again.record, *p.record);
        }
    }
}
