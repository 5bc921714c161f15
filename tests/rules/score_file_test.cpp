#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "scores/score_file_rules.h"
#include "scores/score_name_rules.h"
#include "scores/score_table_rules.h"

using namespace quillan;

namespace {

std::vector<std::uint8_t> record(const std::string& name, int score) {
    std::vector<std::uint8_t> bytes(name.begin(), name.end());
    bytes.resize(20, ' ');
    bytes.push_back(static_cast<std::uint8_t>(score & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((score >> 8) & 0xFF));
    return bytes;
}

} // namespace

TEST(StatsFile, TopGinRummyScoreOf131GivesTheExactBytes) {
    ScoreTable table = defaultScoreTable();
    enterScore(table, 0, "Bob", 131);
    const StatsBytes bytes = encodeStatsFile(table);
    std::vector<std::uint8_t> expected = record("Bob", 131);
    for (int i = 1; i < 10; ++i) {
        const int score = i < 3 ? 130 : (i < 6 ? 20 : (i < 9 ? 100 : 0));
        const auto r = record(i < 9 ? "anonymous" : "", score);
        expected.insert(expected.end(), r.begin(), r.end());
    }
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(bytes[20], 0x83);
    EXPECT_EQ(bytes[21], 0x00);
}

TEST(StatsFile, AllTenRecordsRoundTrip) {
    ScoreTable table;
    const int16 scores[] = {32767, -32768, -1, 0, 1, 256, 255, 4000, -300, 77};
    for (int i = 0; i < 10; ++i) {
        table[i] = {fitName("player " + std::to_string(i) + (i == 4 ? " Ørsted" : "")), scores[i]};
    }
    table[7].name = fitName("Łódź");
    const StatsBytes bytes = encodeStatsFile(table);
    EXPECT_EQ(bytes[5 * 22 + 20], 0x00);
    EXPECT_EQ(bytes[5 * 22 + 21], 0x01);
    EXPECT_EQ(bytes[1 * 22 + 21], 0x80);
    EXPECT_EQ(decodeStatsFile(bytes), table);
}

TEST(StatsFile, ShortFilesLoadWholeRecordsAndDefaultTheRest) {
    EXPECT_EQ(decodeStatsFile({}), defaultScoreTable());
    std::vector<std::uint8_t> bytes = record("Ann", 500);
    const auto second = record("Cy", 140);
    bytes.insert(bytes.end(), second.begin(), second.end());
    bytes.resize(bytes.size() + 21, 'x'); // a third record one byte short
    const ScoreTable table = decodeStatsFile(bytes);
    EXPECT_EQ(table[0], (ScoreEntry{fitName("Ann"), 500}));
    EXPECT_EQ(table[1], (ScoreEntry{fitName("Cy"), 140}));
    const ScoreTable defaults = defaultScoreTable();
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(table[i], defaults[i]) << "entry " << i;
    }
}

TEST(StatsFile, LongerFilesIgnoreTheTail) {
    ScoreTable table = defaultScoreTable();
    table[9] = {fitName("ten"), 9};
    const StatsBytes bytes = encodeStatsFile(table);
    std::vector<std::uint8_t> longer(bytes.begin(), bytes.end());
    longer.resize(1000, 0xFF);
    EXPECT_EQ(decodeStatsFile(longer), table);
}

// A file the program did not change goes back byte for byte: names in the code page,
// control codes, unassigned bytes and the never-filled entry 9 alike.
TEST(StatsFile, EveryRecordReadIsWrittenBackWithItsBytes) {
    std::vector<std::uint8_t> bytes = record("\xc3\xa9", 1); // "Ã©" in the code page
    const auto utf8Looking = record("\xc3\xab\xc3\xab\xc3\xab", 2);
    const auto controls = record(std::string("a\x01\x81\x8d\x7f\t\0z", 9), -3);
    bytes.insert(bytes.end(), utf8Looking.begin(), utf8Looking.end());
    for (int i = 2; i < 10; ++i) {
        bytes.insert(bytes.end(), controls.begin(), controls.end());
    }
    const StatsBytes again = encodeStatsFile(decodeStatsFile(bytes));
    EXPECT_EQ(std::vector<std::uint8_t>(again.begin(), again.end()), bytes);
    EXPECT_EQ(trimName(decodeStatsFile(bytes)[0].name), "Ã©");
}

TEST(StatsFile, RandomFilesKeepTheBytesOfEveryWholeRecord) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 500; ++n) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n % 250));
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        const StatsBytes again = encodeStatsFile(decodeStatsFile(bytes));
        const std::size_t whole = std::min<std::size_t>(bytes.size() / 22 * 22, 220);
        ASSERT_TRUE(
            std::equal(bytes.begin(), bytes.begin() + static_cast<long>(whole), again.begin()))
            << n;
    }
}
