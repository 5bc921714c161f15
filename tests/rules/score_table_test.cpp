#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scores/score_name_rules.h"
#include "scores/score_table_rules.h"

using namespace quillan;

namespace {

std::string padded(const std::string& name) {
    return name + std::string(20 - name.size(), ' ');
}

// Answers every prompt with `answer` and remembers the prompts.
struct Asker {
    std::string answer;
    std::vector<std::string> prompts;
    AskName fn() {
        return [this](std::string_view prompt) {
            prompts.emplace_back(prompt);
            return answer;
        };
    }
};

} // namespace

TEST(ScoreTable, DefaultsPerTable) {
    const ScoreTable table = defaultScoreTable();
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(table[i].name, padded("anonymous"));
        EXPECT_EQ(table[i].score, i < 3 ? 130 : (i < 6 ? 20 : 100)) << "entry " << i;
    }
    EXPECT_EQ(table[9].score, 0);
    EXPECT_EQ(scoreTable, table);
}

TEST(ScoreTable, StrictlyGreaterFindsThePlace) {
    const ScoreTable table = defaultScoreTable();
    EXPECT_FALSE(placeFor(table, ScorePass::GinRummy, 130).has_value());
    EXPECT_EQ(placeFor(table, ScorePass::GinRummy, 131), 0);
    EXPECT_EQ(placeFor(table, ScorePass::Strategy, 25), 3);
    EXPECT_EQ(placeFor(table, ScorePass::Winnings, 101), 6);
    ScoreTable ranked = table;
    ranked[3].score = 50;
    ranked[4].score = 30;
    ranked[5].score = 10;
    EXPECT_EQ(placeFor(ranked, ScorePass::Strategy, 30), 5);
    EXPECT_EQ(placeFor(ranked, ScorePass::Strategy, 31), 4);
    EXPECT_FALSE(placeFor(ranked, ScorePass::Strategy, 10).has_value());
}

TEST(ScoreTable, PromptsAsWritten) {
    EXPECT_EQ(scorePrompt(ScorePass::GinRummy, 0),
              "You have the top Gin-Rummy score. Please enter your name");
    EXPECT_EQ(scorePrompt(ScorePass::GinRummy, 1),
              "You have the second highest  Gin-Rummy score. Please enter your name");
    EXPECT_EQ(scorePrompt(ScorePass::GinRummy, 2),
              "You have the 3rd highest  Gin-Rummy score. Please enter your name");
    EXPECT_EQ(scorePrompt(ScorePass::Strategy, 4),
              "You have the second highest Video Poker strategy score. Please enter your name");
    EXPECT_EQ(scorePrompt(ScorePass::Winnings, 8),
              "You have the 3rd highest Video Poker Winnings score. Please enter your name");
    EXPECT_THROW(scorePrompt(ScorePass::Winnings, 2), ProgramError);
}

TEST(ScoreTable, EntriesShiftDownWithinTheirTable) {
    ScoreTable table = defaultScoreTable();
    table[3] = {fitName("first"), 40};
    table[4] = {fitName("second"), 30};
    table[5] = {fitName("third"), 25};
    ScoreTable top = table;
    enterScore(top, 3, "new", 50);
    EXPECT_EQ(top[3], (ScoreEntry{padded("new"), 50}));
    EXPECT_EQ(top[4], table[3]);
    EXPECT_EQ(top[5], table[4]);
    EXPECT_EQ(top[6], table[6]); // the next table is untouched
    ScoreTable second = table;
    enterScore(second, 4, "new", 35);
    EXPECT_EQ(second[3], table[3]);
    EXPECT_EQ(second[5], table[4]);
    ScoreTable third = table;
    enterScore(third, 5, "new", 26);
    EXPECT_EQ(third[4], table[4]);
    EXPECT_EQ(third[5].score, 26);
    ScoreTable last = table;
    enterScore(last, 8, "rich", 500);
    EXPECT_EQ(last[8].score, 500);
    EXPECT_EQ(last[9], table[9]);
}

TEST(ScoreTable, PassAsksOnlyForAPlaceAndEmptyAnswerChangesNothing) {
    ScoreTable table = defaultScoreTable();
    Asker asker{"", {}};
    EXPECT_FALSE(runScorePass(table, ScorePass::GinRummy, 130, asker.fn()));
    EXPECT_TRUE(asker.prompts.empty());
    EXPECT_FALSE(runScorePass(table, ScorePass::GinRummy, 131, asker.fn()));
    EXPECT_EQ(asker.prompts.size(), 1u);
    EXPECT_EQ(table, defaultScoreTable());
    asker.answer = "Bob";
    EXPECT_TRUE(runScorePass(table, ScorePass::GinRummy, 131, asker.fn()));
    EXPECT_EQ(table[0], (ScoreEntry{padded("Bob"), 131}));
    EXPECT_EQ(table[1], (ScoreEntry{padded("anonymous"), 130}));
    EXPECT_EQ(table[2], (ScoreEntry{padded("anonymous"), 130}));
}

TEST(ScoreNames, CutPadAndTrim) {
    EXPECT_EQ(fitName("abcdefghijklmnopqrstuvwxy"), "abcdefghijklmnopqrst");
    EXPECT_EQ(fitName(""), std::string(20, ' '));
    EXPECT_EQ(fitName("  Ann"), padded("  Ann"));
    EXPECT_EQ(trimName(padded("  Ann Lee")), "Ann Lee");
    EXPECT_EQ(trimName(std::string(20, ' ')), "");
    EXPECT_EQ(fitName("tab\there"), padded("tab here")); // control codes become blanks
}

TEST(ScoreNames, CodePageNamesUseOneByteACharacter) {
    const NameField field = encodeName("Müller €");
    EXPECT_EQ(field[0], 'M');
    EXPECT_EQ(field[1], 0xFC);
    EXPECT_EQ(field[7], 0x80);
    EXPECT_EQ(field[8], ' ');
    EXPECT_EQ(decodeName(field), "Müller €" + std::string(12, ' '));
}

TEST(ScoreNames, CodePageTextThatLooksLikeUtf8StaysSingleBytes) {
    // "Ã©" is two code-page characters; its bytes C3 A9 are also UTF-8 for "é".
    const NameField typed = encodeName("Ã©");
    EXPECT_EQ(typed[0], 0xC3);
    EXPECT_EQ(typed[1], 0xA9);
    EXPECT_EQ(typed[2], ' ');
    EXPECT_EQ(trimName(fitName("Ã©")), "Ã©");
    NameField field;
    field.fill(' ');
    for (std::size_t i = 0; i < 8; i += 2) { // "Ã«" four times: C3 AB C3 AB ...
        field[i] = 0xC3;
        field[i + 1] = 0xAB;
    }
    EXPECT_EQ(trimName(decodeName(field)), "Ã«Ã«Ã«Ã«");
    EXPECT_EQ(encodeName(decodeName(field)), field);
}

TEST(ScoreNames, NamesOutsideTheCodePageKeepOneByteACharacter) {
    EXPECT_EQ(fitName("Łukasz 山田"), padded("?ukasz ??"));
    EXPECT_EQ(fitName("山田太郎山田太郎山田太郎山田太郎山田太郎山田"), std::string(20, '?'));
    EXPECT_EQ(fitName("\xff\xfe"), padded("??")); // bytes that are no UTF-8
    EXPECT_FALSE(inCodePage(U'Ł'));
    EXPECT_TRUE(inCodePage(U'€'));
}

// Every byte reads as one character that writes back as the same byte, control codes and
// the bytes the code page leaves unassigned included; on screen those show as blanks.
TEST(ScoreNames, EveryFieldReadsBackToItsOwnBytes) {
    for (int first = 0; first < 256; first += 20) {
        NameField field;
        for (std::size_t i = 0; i < field.size(); ++i) {
            field[i] = static_cast<std::uint8_t>((first + static_cast<int>(i)) % 256);
        }
        const std::string name = decodeName(field);
        ASSERT_EQ(encodeName(name), field) << first;
        ASSERT_EQ(fitName(shownName(name)), shownName(name)) << first;
    }
    NameField field;
    field.fill(' ');
    field[0] = 'A';
    field[1] = 0x81; // unassigned in the code page
    field[2] = 0x07;
    field[3] = 0x7F;
    field[4] = 0x00;
    EXPECT_EQ(shownName(decodeName(field)), padded("A"));
    EXPECT_EQ(encodeName(decodeName(field)), field);
}
