#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "scores/record_top_scores.h"
#include "scores/score_name_rules.h"
#include "scores/stats_file.h"
#include "support/fake_platform.h"

using namespace quillan;

namespace {

// The fake platform, also remembering the title and default text of every input box.
class PromptRecorder : public test::FakePlatform {
  public:
    using FakePlatform::FakePlatform;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        titles << title;
        defaults << defaultText;
        return FakePlatform::inputBox(prompt, title, defaultText);
    }
    QStringList titles;
    QStringList defaults;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RecordTopScoresTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    PromptRecorder platform{dir.path()};
    ScoreTable table = defaultScoreTable();
    int16 perfPlay = 0;
    QString statsPath() const { return statsFilePath(dir.path()); }
};

} // namespace

TEST_F(RecordTopScoresTest, NewTopBankAsksForANameAndWritesTheFile) {
    platform.inputAnswers = {"Bob"};
    RecordTopScores(platform, table, 131, perfPlay, 0);
    ASSERT_EQ(platform.prompts.size(), 1);
    EXPECT_EQ(platform.prompts[0], "You have the top Gin-Rummy score. Please enter your name");
    EXPECT_EQ(platform.titles[0], "Congratulations");
    EXPECT_EQ(platform.defaults[0], "anonymous");
    EXPECT_EQ(trimName(table[0].name), "Bob");
    EXPECT_EQ(table[1].score, 130);
    const QByteArray bytes = fileBytes(statsPath());
    ASSERT_EQ(bytes.size(), 220);
    EXPECT_EQ(bytes.left(22), QByteArray("Bob") + QByteArray(17, ' ') + QByteArray("\x83\x00", 2));
    EXPECT_EQ(readStatsFile(dir.path()), table);
}

TEST_F(RecordTopScoresTest, TiesAskNothingButTheFileIsStillWritten) {
    RecordTopScores(platform, table, 130, perfPlay, 100);
    EXPECT_TRUE(platform.prompts.isEmpty());
    EXPECT_EQ(table, defaultScoreTable());
    EXPECT_EQ(fileBytes(statsPath()).size(), 220);
}

TEST_F(RecordTopScoresTest, CancelledPromptOffersTheScoreAgainNextTime) {
    perfPlay = 25;
    platform.inputAnswers = {""};
    RecordTopScores(platform, table, 0, perfPlay, 0);
    EXPECT_EQ(table, defaultScoreTable());
    EXPECT_EQ(perfPlay, 25); // nothing entered: the slot keeps the run
    RecordTopScores(platform, table, 0, perfPlay, 0);
    ASSERT_EQ(platform.prompts.size(), 2);
    EXPECT_EQ(platform.prompts[1],
              "You have the top Video Poker strategy score. Please enter your name");
    // The default answer "anonymous" is an entry like any other.
    EXPECT_EQ(table[3].score, 25);
    EXPECT_EQ(table[4].score, 20);
    EXPECT_EQ(perfPlay, 0);
}

TEST_F(RecordTopScoresTest, AllThreeTablesAreOfferedInOrder) {
    perfPlay = 21;
    platform.inputAnswers = {"Ann", "Cy", "Dee"};
    RecordTopScores(platform, table, 500, perfPlay, 101);
    ASSERT_EQ(platform.prompts.size(), 3);
    EXPECT_TRUE(platform.prompts[0].contains("Gin-Rummy"));
    EXPECT_TRUE(platform.prompts[1].contains("strategy"));
    EXPECT_TRUE(platform.prompts[2].contains("Winnings"));
    EXPECT_EQ(trimName(table[0].name), "Ann");
    EXPECT_EQ(trimName(table[3].name), "Cy");
    EXPECT_EQ(trimName(table[6].name), "Dee");
    EXPECT_EQ(perfPlay, 0);
}

// Names are stored in the code page, one byte a character; a character it lacks is stored
// as its nearest code-page form, "?" when it has none.
TEST_F(RecordTopScoresTest, NamesOutsideTheCodePageAreStoredInTheirNearestForm) {
    platform.inputAnswers = {QString::fromUtf8("Łukasz Dvořák 山田"), QString::fromUtf8("Ã©")};
    RecordTopScores(platform, table, 140, perfPlay, 0);
    EXPECT_EQ(trimName(readStatsFile(dir.path())[0].name), "Lukasz Dvorák ??");
    EXPECT_EQ(fileBytes(statsPath()).left(20), QByteArray("Lukasz Dvor\xe1k ??    "));
    RecordTopScores(platform, table, 150, perfPlay, 0);
    EXPECT_EQ(fileBytes(statsPath()).left(20), QByteArray("\xc3\xa9") + QByteArray(18, ' '));
}

// Every exit rewrites stats.dat: what was read and not changed goes back as it was, down to
// the bytes past the ten records.
TEST_F(RecordTopScoresTest, AnUnchangedFileIsRewrittenByteForByte) {
    QByteArray bytes;
    for (int i = 0; i < 300; ++i) {
        bytes += static_cast<char>((i * 37 + 11) % 256);
    }
    writeBytes(statsPath(), bytes);
    loadScoreTable(dir.path());
    perfPlay = -32768; // no score beats any entry
    RecordTopScores(platform, -32768, perfPlay, -32768);
    EXPECT_EQ(fileBytes(statsPath()), bytes);
    EXPECT_TRUE(platform.prompts.isEmpty());
    scoreTable = defaultScoreTable();
}

TEST_F(RecordTopScoresTest, StaleTemporariesOfAKilledWriteAreRemovedAtStart) {
    for (const char* name : {"stats.dat.a1B2c3", "stats.dat.ZZZZZZ", "stats.dat.old", "notes.txt",
                             "stats.dat.a1B2c3d"}) {
        writeBytes(dir.path() + "/" + name, "x");
    }
    writeBytes(statsPath(), QByteArray(220, 'y'));
    loadScoreTable(dir.path());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"notes.txt", "stats.dat", "stats.dat.a1B2c3d", "stats.dat.old"}));
    EXPECT_EQ(fileBytes(statsPath()), QByteArray(220, 'y'));
    scoreTable = defaultScoreTable();
}

TEST_F(RecordTopScoresTest, MissingEmptyOrShortFileLoadsWithoutWriting) {
    EXPECT_EQ(readStatsFile(dir.path()), defaultScoreTable());
    EXPECT_FALSE(QFile::exists(statsPath()));
    writeBytes(statsPath(), {});
    EXPECT_EQ(readStatsFile(dir.path()), defaultScoreTable());
    writeBytes(statsPath(), QByteArray("Zed") + QByteArray(17, ' ') + QByteArray("\x10\x27", 2) +
                                QByteArray(7, '\x01'));
    const ScoreTable loaded = readStatsFile(dir.path());
    EXPECT_EQ(loaded[0].score, 10000);
    EXPECT_EQ(loaded[1], defaultScoreTable()[1]);
    loadScoreTable(dir.path());
    EXPECT_EQ(scoreTable, loaded);
    scoreTable = defaultScoreTable();
}

TEST_F(RecordTopScoresTest, FailedWriteKeepsThePreviousFileWhole) {
    platform.inputAnswers = {"Old"};
    RecordTopScores(platform, table, 131, perfPlay, 0);
    const QByteArray before = fileBytes(statsPath());
    // Let the disk "fill up" after 100 bytes.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    platform.inputAnswers = {"New"};
    EXPECT_THROW(RecordTopScores(platform, table, 900, perfPlay, 0), ProgramError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(fileBytes(statsPath()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"stats.dat"});
}

TEST_F(RecordTopScoresTest, UnwritableFileRaisesForTheCallersTrap) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("stats.dat"));
    try {
        RecordTopScores(platform, table, 0, perfPlay, 0);
        FAIL() << "no error raised";
    } catch (const ProgramError& e) {
        EXPECT_STREQ(e.description(), "Path/File access error");
    }
}
