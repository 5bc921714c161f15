// The statistics file on disk through the recorder: a round trip, a write that fails
// leaving the old file whole, an unreadable file set aside with one message, a data folder
// that cannot be made, stale temporaries removed at start, and the copy a reset keeps.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "stats/statistics_file_rules.h"
#include "stats/statistics_recorder.h"
#include "support/fake_platform.h"

using namespace quillan;
using quillan::test::FakePlatform;

namespace {

class StatisticsStoreTest : public ::testing::Test {
  protected:
    QString file() const { return dir.path() + "/statistics.txt"; }
    QByteArray bytes(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& data) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QStringList setAside() const {
        return QDir(dir.path()).entryList({"statistics.txt.corrupt-*"}, QDir::Files | QDir::Dirs);
    }

    QTemporaryDir dir;
    FakePlatform platform;
};

// Files of the process may not grow past `bytes` while it lives: a write beyond that fails
// (as on a full disk), whoever runs the test.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
};

} // namespace

TEST_F(StatisticsStoreTest, ARecordWrittenAfterEachHandReadsBackInTheNextRun) {
    {
        StatisticsRecorder first(platform, "Quillan", dir.path());
        first.load();
        first.pokerHandFinished(kFullHouse, 5, 45, 40);
        first.pokerHoldRefused(kHighPair);
        first.pokerRunReached(4);
        first.rummyHandDealt();
        first.rummyHandEnded(RummyVariant::Oklahoma, scorePlayerGin(12), {0, 37});
        EXPECT_EQ(parseStatistics(bytes(file()).toStdString()).record, first.record());
    }
    StatisticsRecorder second(platform, "Quillan", dir.path());
    const StatisticsRecord& r = second.record();
    EXPECT_EQ(r.poker.handsPlayed(), 1);
    EXPECT_EQ(r.poker.creditsWon, 45);
    EXPECT_EQ(r.poker.refused[kHighPair - 1], 1);
    EXPECT_EQ(r.poker.longestRun, 4);
    EXPECT_EQ(r.of(RummyVariant::Oklahoma).byResult(RummyResult::WonByGin), 1);
    EXPECT_EQ(r.of(RummyVariant::Oklahoma).pointsWon, 37);
    EXPECT_TRUE(second.history().pokerMeter.empty()); // the charts are of one run only
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(StatisticsStoreTest, AWriteThatFailsLeavesTheOldFileWholeAndSaysSoOnce) {
    StatisticsRecorder recorder(platform, "Quillan", dir.path());
    recorder.pokerHandFinished(kHighPair, 5, 5, 0);
    const QByteArray before = bytes(file());
    ASSERT_FALSE(before.isEmpty());
    {
        const FileSizeLimit limit(16);
        recorder.pokerHandFinished(kFlush, 5, 30, 25);
        recorder.pokerHandFinished(kFlush, 5, 30, 50);
    }
    EXPECT_EQ(bytes(file()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"statistics.txt"});
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith("The statistics could not be saved in "));
    EXPECT_EQ(recorder.record().poker.handsPlayed(), 3); // the game goes on counting
    recorder.pokerHandFinished(kStraight, 5, 20, 70);    // and the next write succeeds
    EXPECT_EQ(parseStatistics(bytes(file()).toStdString()).record->poker.handsPlayed(), 4);
}

TEST_F(StatisticsStoreTest, AnUnreadableFileIsSetAsideWithOneMessage) {
    const QByteArray garbage("version=1\nrummy.simple.won.knock=\xff\xfe\n", 37);
    write(garbage);
    StatisticsRecorder recorder(platform, "Quillan", dir.path());
    recorder.load();
    recorder.load();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messageTitles, QStringList{"Quillan"});
    EXPECT_TRUE(platform.messages[0].startsWith(
        "The statistics file could not be read (line 2 holds no count).\nIt has been kept as "
        "statistics.txt.corrupt-"));
    EXPECT_TRUE(platform.messages[0].contains("a fresh record has been started"));
    const QStringList aside = setAside();
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(bytes(dir.path() + "/" + aside[0]), garbage);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_EQ(recorder.record(), StatisticsRecord{});
    recorder.pokerHandFinished(kHighPair, 5, 5, 0); // the fresh record is written anew
    EXPECT_EQ(parseStatistics(bytes(file()).toStdString()).record->poker.handsPlayed(), 1);
    EXPECT_EQ(bytes(dir.path() + "/" + aside[0]), garbage);
}

TEST_F(StatisticsStoreTest, AFolderInPlaceOfTheFileIsSetAsideTooAndASecondOneIsNumbered) {
    ASSERT_TRUE(QDir().mkpath(file()));
    StatisticsRecorder first(platform, "Quillan", dir.path());
    first.load();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains("(it could not be opened)"));
    write("not a record");
    StatisticsRecorder second(platform, "Quillan", dir.path());
    second.load();
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(setAside().size(), 2); // the same second: the second name is numbered
}

TEST_F(StatisticsStoreTest, AFolderThatCannotBeMadeLosesNothingButThisRunsRecord) {
    QFile blocker(dir.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StatisticsRecorder recorder(platform, "Quillan", dir.path() + "/blocked/Quillan");
    recorder.load();
    EXPECT_TRUE(platform.messages.isEmpty()); // nothing there yet is no problem
    recorder.pokerHoldRefused(kRoyal);
    recorder.pokerHoldRefused(kRoyal);
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(recorder.record().poker.refused[0], 2);
}

TEST_F(StatisticsStoreTest, StaleTemporariesOfAKilledWriteAreRemovedAtStart) {
    {
        StatisticsRecorder first(platform, "Quillan", dir.path());
        first.pokerHandFinished(kFlush, 5, 30, 25);
    }
    const QByteArray record = bytes(file());
    const QStringList others{"notes.txt", "statistics.txt.before-reset-20260101-120000",
                             "statistics.txt.corrupt-20260101-120000", "statistics.txt.a1B2c3d",
                             "statistics.txt.old"};
    for (const QString& name :
         others + QStringList{"statistics.txt.a1B2c3", "statistics.txt.ZZZZZZ"}) {
        QFile f(dir.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(record);
    }
    StatisticsRecorder second(platform, "Quillan", dir.path());
    second.load();
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    QStringList expected = others + QStringList{"statistics.txt"};
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(second.record().poker.handsPlayed(), 1);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(StatisticsStoreTest, AResetKeepsEachRecordItReplacesAndWithoutACopyResetsNothing) {
    StatisticsRecorder recorder(platform, "Quillan", dir.path());
    platform.yesNoAnswers = {true}; // with no file yet there is nothing to keep
    EXPECT_TRUE(recorder.askReset());
    EXPECT_TRUE(QDir(dir.path()).entryList({"statistics.txt.before-reset-*"}).isEmpty());

    recorder.pokerHandFinished(kFlush, 5, 30, 25);
    const QByteArray first = bytes(file());
    platform.yesNoAnswers = {true};
    EXPECT_TRUE(recorder.askReset());
    recorder.pokerHandFinished(kStraight, 5, 20, 45);
    const QByteArray second = bytes(file());
    platform.yesNoAnswers = {true};
    EXPECT_TRUE(recorder.askReset()); // within the same second the second copy is numbered
    QStringList kept = QDir(dir.path()).entryList({"statistics.txt.before-reset-*"});
    kept.sort();
    ASSERT_EQ(kept.size(), 2);
    const QRegularExpression named("^statistics\\.txt\\.before-reset-\\d{8}-\\d{6}(-1)?$");
    EXPECT_TRUE(named.match(kept[0]).hasMatch()) << kept[0].toStdString();
    EXPECT_TRUE(named.match(kept[1]).hasMatch()) << kept[1].toStdString();
    EXPECT_EQ(bytes(dir.path() + "/" + kept[0]), first);
    EXPECT_EQ(bytes(dir.path() + "/" + kept[1]), second);
    EXPECT_EQ(recorder.record(), StatisticsRecord{});
    EXPECT_EQ(parseStatistics(bytes(file()).toStdString()).record, StatisticsRecord{});
    EXPECT_EQ(platform.questionDefaults,
              std::vector<DefaultAnswer>(3, DefaultAnswer::No)); // Enter answers No
    EXPECT_TRUE(platform.messages.isEmpty());

    recorder.pokerHandFinished(kFlush, 5, 30, 25);
    const QByteArray last = bytes(file());
    {
        const FileSizeLimit limit(16); // no copy can be written
        platform.yesNoAnswers = {true};
        EXPECT_FALSE(recorder.askReset());
    }
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(
        "The statistics were not reset: no copy of the record could be made in "));
    EXPECT_EQ(bytes(file()), last);
    EXPECT_EQ(recorder.record().poker.handsPlayed(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList({"statistics.txt.before-reset-*"}).size(), 2);
}
