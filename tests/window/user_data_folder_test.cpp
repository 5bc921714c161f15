// An installed copy, whose program folder may not be written: stats.dat and bug.txt live in
// the player's data folder, which the first write creates, and stats.dat is read from there.
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "scores/stats_file.h"
#include "support/window_fixture.h"

using namespace quillan;

namespace {

class UserDataFolder : public quillan::test::WindowTest {
  protected:
    void SetUp() override {
        scoreTable = defaultScoreTable();
        dataFolder = folder.path() + "/home/.local/share/Quillan";
        platform.writable = dataFolder;
    }

    QStringList programFolderFiles() const { return QDir(folder.path()).entryList(QDir::Files); }

    QString dataFolder;
};

TEST_F(UserDataFolder, SavePositionCreatesTheFolderAndNamesTheFileWhereItWent) {
    FrmMain& w = loaded();
    platform.messages.clear();
    w.mnuSavePosition_Click();
    const QString path = dataFolder + "/bug.txt";
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_GT(QFileInfo(path).size(), 0);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith("Position saved to.. \n" + path + "\n\n"))
        << platform.messages[0].toStdString();
    EXPECT_TRUE(programFolderFiles().isEmpty()) << programFolderFiles().join(' ').toStdString();
}

TEST_F(UserDataFolder, StatsDatIsReadFromTheDataFolderNotFromTheProgramFolder) {
    ScoreTable inProgramFolder = defaultScoreTable();
    enterScore(inProgramFolder, 3, "Old", 90);
    writeStatsFile(folder.path(), inProgramFolder);
    ScoreTable inDataFolder = defaultScoreTable();
    enterScore(inDataFolder, 3, "Bob", 40);
    writeStatsFile(dataFolder, inDataFolder); // creates the folder, as the first write does

    FrmMain& w = loaded();
    w.mnuPoker_Click();
    EXPECT_EQ(w.windowTitle(), "Top Video Poker Expert is Bob (40)");
}

TEST_F(UserDataFolder, ANewScoreAtCloseIsWrittenToTheDataFolderAndReadBackNextTime) {
    FrmMain& w = loaded();
    w.ui.pklblWinnings->setText("950");
    platform.inputAnswers.push_back("Dee");
    w.close();
    ASSERT_TRUE(QFileInfo(dataFolder + "/stats.dat").isFile());
    EXPECT_EQ(QFileInfo(dataFolder + "/stats.dat").size(), 220);
    EXPECT_FALSE(QFileInfo(folder.path() + "/stats.dat").exists());
    EXPECT_EQ(readStatsFile(dataFolder)[6].score, 950);

    scoreTable = defaultScoreTable();
    FrmMain again(platform);
    again.Form_Load();
    EXPECT_EQ(scoreTable[6].score, 950);
    EXPECT_EQ(scoreTable[7].score, 100);
}

TEST_F(UserDataFolder, AFolderThatCannotBeCreatedIsReportedNotAnnouncedAsSaved) {
    addFile("home"); // a file where the data folder's parent should be
    FrmMain& w = loaded();
    platform.messages.clear();
    w.mnuSavePosition_Click();
    EXPECT_EQ(platform.messages,
              QStringList{"Error  in  mnuSavePosition_Click (  Path/File access error  )"});
}

} // namespace
