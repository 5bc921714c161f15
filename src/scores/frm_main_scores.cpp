// The main window's side of the top-score tables: stats.dat read at load, new scores
// offered, the champions named in the window caption, and the Top Scores window.
#include "app/frm_main.h"
#include "scores/frm_play.h"
#include "scores/record_top_scores.h"
#include "scores/score_name_rules.h"
#include "scores/stats_file.h"

namespace quillan {

namespace {

QString championCaption(const char* heading, const ScoreEntry& entry) {
    return QString::fromUtf8(heading) + QString::fromStdString(trimName(shownName(entry.name))) +
           QStringLiteral(" (") + QString::number(entry.score) + QStringLiteral(")");
}

} // namespace

void FrmMain::readScoreFile() {
    loadScoreTable(platform_.writableFolder());
}

void FrmMain::RecordTopScores() {
    ::quillan::RecordTopScores(platform_, banks.prfPlayerBank, settings.prfvidPokPerfPlay,
                               settings.prfvidPokMoney);
}

void FrmMain::showChampionCaption() {
    setWindowTitle(championCaption("Gin Rummy Champion is ", scoreTable[0]));
}

void FrmMain::showPokerCaption() {
    setWindowTitle(championCaption("Top Video Poker Expert is ", scoreTable[3]));
}

void FrmMain::mnuWager_Click() {
    trap("mnuWager_Click", [&] {
        FrmPlay frmPlay(*this);
        frmPlay.exec();
    });
}

} // namespace quillan
