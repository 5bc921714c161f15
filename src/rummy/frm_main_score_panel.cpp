// The end-of-hand score panel (Frame1): its labels, filling them, the player's deadwood
// correction, and the result sounds.
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "app/frm_main.h"
#include "app/text_number_rules.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/press_label.h"
#include "rummy/scoring_rules.h"
#include "stats/frm_main_statistics.h"

namespace quillan {

namespace {

constexpr int kRowTop = 40;
constexpr int kRowHeight = 24;
constexpr int kValueWidth = 48;

QLabel* valueLabel(QLabel* label, int row) {
    label->setGeometry(12, kRowTop + row * kRowHeight, kValueWidth, kRowHeight - 2);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void captionLabel(QWidget* frame, const char* caption, int row) {
    auto* label = new QLabel(QString::fromUtf8(caption), frame);
    label->setGeometry(12 + kValueWidth, kRowTop + row * kRowHeight, 160, kRowHeight - 2);
}

} // namespace

void FrmMain::buildScorePanel() {
    QWidget* f = ui.Frame1;
    ui.lblKnock = new QLabel(f);
    ui.lblKnock->setGeometry(12, 8, 206, 26);
    ui.lblKnock->setAlignment(Qt::AlignCenter);
    QFont headline = ui.lblKnock->font();
    headline.setBold(true);
    headline.setPointSize(headline.pointSize() + 2);
    ui.lblKnock->setFont(headline);
    ui.lblGin = valueLabel(new QLabel(f), 0);
    ui.lblUndercut = valueLabel(new QLabel(f), 1);
    auto* yours = new PressLabel(f);
    yours->onPress = [this](int button) { lblYourDeadWood_MouseDown(button); };
    ui.lblYourDeadWood = valueLabel(yours, 2);
    ui.lblComputerDeadwood = valueLabel(new QLabel(f), 3);
    ui.lblTotal = valueLabel(new QLabel(f), 4);
    captionLabel(f, " Gin Bonus", 0);
    captionLabel(f, " Undercut Penalty", 1);
    captionLabel(f, " Your Deadwood", 2);
    captionLabel(f, " Computer Deadwood", 3);
    captionLabel(f, " Total", 4);
}

void fillScorePanel(FrmMain& w, const ScorePanel& p) {
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    w.ui.lblKnock->setText(text(p.lblKnock));
    w.ui.lblGin->setText(text(p.lblGin));
    w.ui.lblUndercut->setText(text(p.lblUndercut));
    if (p.undercut && p.ending == HandEnding::ComputerKnock) {
        w.playCue(w.play.resultSoundFile);
    }
    w.ui.lblYourDeadWood->setText(text(p.lblYourDeadWood));
    w.ui.lblComputerDeadwood->setText(text(p.lblComputerDeadwood));
    w.ui.lblTotal->setText(text(p.lblTotal));
    w.play.panelEnding = p.ending;
    recordRummyEnding(w, p); // every ending of a hand fills the panel
}

void FrmMain::lblYourDeadWood_MouseDown(int button) {
    trap("lblYourDeadWood_MouseDown", [&] {
        const auto number = [](const QLabel* l) {
            return int16FromLabelText(l->text().toStdString());
        };
        const DeadwoodCorrection c =
            correctPlayerDeadwood(play.panelEnding,
                                  {number(ui.lblYourDeadWood), number(ui.lblTotal),
                                   banks.prfComputerBank, banks.handScore},
                                  button);
        ui.lblYourDeadWood->setText(QString::fromStdString(c.lblYourDeadWood));
        ui.lblTotal->setText(QString::fromStdString(c.lblTotal));
        banks.prfComputerBank = c.figures.computerBank;
        banks.handScore = c.figures.handScore;
    });
}

void FrmMain::WinnerPlayerHoopla(bool) {
    trap("WinnerPlayerHoopla", [&] {
        playCue(QString::fromUtf8(kPlayerWinSound));
        turn.gameStarted = kFalse;
    });
}

void FrmMain::WinnerComputerHoopla() {
    trap("WinnerComputerHoopla", [&] {
        platform_.randomize();
        play.resultSoundFile = QString::fromStdString(resultSoundFor(platform_.rnd()));
        platform_.randomize();
        const double r = platform_.rnd();
        platform_.randomize();
        const double second = platform_.rnd();
        playCue(QString::fromStdString(lossSoundFor(r, second)));
    });
}

} // namespace quillan
