#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/fake_platform.h"
#include "table/program_files.h"
#include "table/sound_cue.h"

namespace quillan {
namespace {

class SoundCue : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("wavs"));
        write("wavs/deal.wav", "RIFF....WAVE");
        write("wavs/drop.wav", "RIFF....WAVE");
        write("wavs/empty.wav", "");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    test::FakePlatform platform{dir.path()};
};

TEST_F(SoundCue, SoundOffPlaysNothing) {
    EXPECT_FALSE(playSoundCue(platform, kFalse, "\\wavs\\deal.wav"));
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(SoundCue, PlaysTheFileUnderTheProgramFolder) {
    EXPECT_TRUE(playSoundCue(platform, kTrue, "\\wavs\\deal.wav"));
    ASSERT_EQ(platform.sounds.size(), 1);
    EXPECT_EQ(QFileInfo(platform.sounds[0]).canonicalFilePath(),
              QFileInfo(dir.filePath("wavs/deal.wav")).canonicalFilePath());
}

TEST_F(SoundCue, EmptyOrMissingFilesAreSilent) {
    EXPECT_FALSE(playSoundCue(platform, kTrue, "\\wavs\\empty.wav"));
    EXPECT_FALSE(playSoundCue(platform, kTrue, "\\wavs\\nothere.wav"));
    EXPECT_FALSE(playSoundCue(platform, kTrue, "\\wavs"));
    EXPECT_TRUE(platform.sounds.isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(SoundCue, QuickCuesEachGoStraightToThePlayer) {
    playSoundCue(platform, kTrue, "\\wavs\\deal.wav");
    playSoundCue(platform, kTrue, "\\wavs\\drop.wav");
    ASSERT_EQ(platform.sounds.size(), 2);
    EXPECT_TRUE(platform.sounds[0].endsWith("deal.wav"));
    EXPECT_TRUE(platform.sounds[1].endsWith("drop.wav"));
}

TEST(ProgramFiles, FileExistsNeedsANonEmptyFile) {
    QTemporaryDir dir;
    QFile f(dir.filePath("pic.gif"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("GIF89a");
    f.close();
    EXPECT_TRUE(FileExists(dir.filePath("pic.gif")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(dir.filePath("no/such/file")));
}

TEST(ProgramFiles, BackslashNamesBecomePaths) {
    EXPECT_EQ(programFilePath("/opt/quillan", "\\pics\\backs\\mine.jpg"),
              "/opt/quillan/pics/backs/mine.jpg");
    EXPECT_EQ(programFilePath("/opt/quillan/", "\\wavs\\deal.wav"), "/opt/quillan/wavs/deal.wav");
}

} // namespace
} // namespace quillan
