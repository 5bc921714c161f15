// The score side of the main window: stats.dat read at load, the champions in the caption,
// the winnings offered at close, and the Top Scores window with its stake.
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "scores/frm_play.h"
#include "scores/stats_file.h"
#include "support/table_window_fixture.h"

using namespace quillan;
using quillan::test::TableWindowTest;

class ScoresWindow : public TableWindowTest {
  protected:
    void SetUp() override {
        scoreTable = defaultScoreTable();
        ScoreTable stored = defaultScoreTable();
        enterScore(stored, 0, "Ann", 300);
        enterScore(stored, 3, "Bob", 40);
        enterScore(stored, 6, "Cy", 900);
        writeStatsFile(folder.path(), stored);
        addPicture("vpwood.jpg", QSize(700, 500));
    }
};

TEST_F(ScoresWindow, StatsDatIsReadAtLoadAndNamesTheChampionOfEachGame) {
    platform.settings["isPoker"] = "False";
    FrmMain& w = loaded();
    EXPECT_EQ(scoreTable[6].score, 900);
    EXPECT_EQ(w.windowTitle(), "Gin Rummy Champion is Ann (300)");
    w.mnuPoker_Click();
    EXPECT_EQ(w.windowTitle(), "Top Video Poker Expert is Bob (40)");
}

TEST_F(ScoresWindow, ClosingOffersTheWinningsOnTheMeter) {
    FrmMain& w = loaded();
    w.ui.pklblWinnings->setText("950");
    platform.inputAnswers.push_back("Dee");
    w.close();
    EXPECT_EQ(platform.prompts,
              QStringList{"You have the top Video Poker Winnings score. Please enter your name"});
    EXPECT_EQ(readStatsFile(folder.path())[6].score, 950);
    EXPECT_EQ(readStatsFile(folder.path())[7].score, 900);
    EXPECT_EQ(endCalls, 1);
}

TEST_F(ScoresWindow, TopScoresShowsAllThreeTablesTheBanksAndKeepsTheStake) {
    FrmMain& w = loaded();
    w.banks.prfPlayerBank = 12;
    w.banks.prfComputerBank = -7;
    {
        FrmPlay frmPlay(w);
        EXPECT_EQ(frmPlay.windowTitle(), "Top Scores");
        EXPECT_EQ(frmPlay.lblPlayerBank->text(), " 12");
        EXPECT_EQ(frmPlay.lblComputerBank->text(), " -7");
        EXPECT_EQ(frmPlay.lblTopNames[0]->text(), " Ann                 ");
        EXPECT_EQ(frmPlay.lblTopScores[3]->text(), "40");
        EXPECT_EQ(frmPlay.lblTopScores[5]->text(), "20");
        EXPECT_EQ(frmPlay.lblTopNames[6]->text(), " Cy                  ");
        EXPECT_EQ(frmPlay.lblTopScores[8]->text(), "100");
        EXPECT_FALSE(frmPlay.opOne->isChecked() || frmPlay.opFive->isChecked() ||
                     frmPlay.opTen->isChecked());
        frmPlay.cmdOk_Click(); // nothing chosen: the stake stays
        EXPECT_EQ(w.settings.prfWager, 0);
    }
    // Through the menu: choose 10 and close from the second tab.
    QTimer::singleShot(0, [] {
        auto* frmPlay = dynamic_cast<FrmPlay*>(QApplication::activeModalWidget());
        ASSERT_NE(frmPlay, nullptr);
        frmPlay->opFive->setChecked(true);
        frmPlay->opTen->setChecked(true);
        EXPECT_FALSE(frmPlay->opFive->isChecked());
        frmPlay->Command1_Click();
    });
    w.menus.mnuWager->trigger();
    EXPECT_EQ(w.settings.prfWager, 10);
    FrmPlay reopened(w);
    EXPECT_TRUE(reopened.opTen->isChecked());
}
