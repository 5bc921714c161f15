// Minimal forms of procedures that belong to the table, Gin Rummy, Video Poker, score and
// desktop parts of the window. Each does the least that keeps the program starting,
// switching games, dealing and closing correctly; each moves to its own folder, with its
// full behaviour, when that part of the window is built.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "app/frm_main.h"
#include "app/table_widget.h"
#include "table/program_files.h"

namespace quillan {

namespace {
constexpr int kNarrowestPokerTable = 640;
}

void FrmMain::layoutTable() {}

// Loads a background from the pictures folder and sizes the table to it; a missing file
// keeps the present picture.
void FrmMain::loadTablePicture(const QString& fileName) {
    const QString path = programFolder() + QStringLiteral("/pics/") + fileName;
    QPixmap picture;
    if (FileExists(path) && picture.load(path)) {
        ui.thePic = picture;
        ui.table->setFixedSize(
            std::max(picture.width(), isSet(settings.isPoker) ? kNarrowestPokerTable : 0),
            picture.height());
    }
    ui.table->update();
}

void FrmMain::LoadBackGroundPic(const QString& fileName) {
    trap("LoadBackGroundPic", [&] {
        loadTablePicture(fileName);
        if (isSet(settings.isPoker)) {
            settings.prfPKBackground = fileName.toStdString();
            initPokerScreen();
        } else {
            settings.prfQNBackground = fileName.toStdString();
            resetGraphics();
        }
        for (QAction* item : menus.mnuBackgoundSelected) {
            item->setChecked(item->text() == fileName);
        }
    });
}

void FrmMain::resetGraphics() {
    trap("resetGraphics", [&] {
        ui.table->update();
        if (!isSet(settings.isPoker) && isSet(turn.dealPending)) {
            showHandPictures(true);
            DealGraphics();
            turn.dealPending = kFalse;
        }
    });
}

// Turns up the first reject card, without animation.
void FrmMain::DealGraphics() {
    ShowStatus(isSet(kept.welcomeShown) ? QStringLiteral("Dealing..")
                                        : QStringLiteral("Welcome to Gin-Rummy"));
    kept.welcomeShown = kTrue;
    cards.rejectPile.resizeKeep(1);
    copyCard(cards.rejectPile[1], cards.stock[cards.stock.upperBound()]);
    cards.stock.resizeKeep(cards.stock.upperBound() - 1);
    turn.dealInProgress = kFalse;
    ui.table->update();
}

void FrmMain::DrawDealDeck() {}
void FrmMain::showDealPile(bool) {}
void FrmMain::showHandPictures(bool) {}
void FrmMain::refreshHandPictures() {
    ui.table->update();
}
void FrmMain::InitAnimDelay() {}
void FrmMain::colourOutlineShapes() {}

// Switches the window to Video Poker; the deal itself comes with the poker table.
void FrmMain::initPokerScreen() {
    trap("initPokerScreen", [&] {
        for (QAction* item :
             {menus.mnuPeek, menus.mnuShowComputerHand, menus.mnuSortRank, menus.mnuSortSuit}) {
            item->setEnabled(false);
        }
        if (!isSet(settings.prfShowPokerPlay)) {
            ui.pkLabelTimer->setText(QStringLiteral("100"));
            ui.Timer1->start();
        }
        for (QAction* item : menus.mnuBackgoundSelected) {
            item->setVisible(!item->text().isEmpty());
        }
        settings.isPoker = kTrue;
        loadTablePicture(QString::fromStdString(settings.prfPKBackground));
        if (!isVisible()) {
            show();
        }
        shuffleCards();
        resetGraphics();
        ShowStatus(QStringLiteral("Welcome to Video Poker"));
    });
}

void FrmMain::mnuSortRank_Click() {}
void FrmMain::analyseHand(Hand&) {}
void FrmMain::ComputerTurn() {
    turn.computerTurn = kFalse;
}
void FrmMain::showChampionCaption() {}
void FrmMain::readScoreFile() {}
void FrmMain::RecordTopScores() {}
void FrmMain::showDesktopCover() {}

} // namespace quillan
