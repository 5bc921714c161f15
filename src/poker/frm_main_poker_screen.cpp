// Entering Video Poker: the poker table, its pay column, and the five cards dealt face
// down from the pile.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "app/frm_main.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/program_files.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr int kFirstDealWaitMs = 1000;

} // namespace

void FrmMain::initPokerScreen() {
    trap("initPokerScreen", [&] {
        showPokerCaption();
        for (QAction* item :
             {menus.mnuPeek, menus.mnuShowComputerHand, menus.mnuSortRank, menus.mnuSortSuit}) {
            item->setEnabled(false);
        }
        if (!isSet(settings.prfShowPokerPlay)) {
            ui.pkLabelTimer->setText(QStringLiteral("100"));
            ui.Timer1->start();
        }
        showDealPile(false);
        for (int i = 0; i < kPokerCards; ++i) {
            showHoldOutline(i, false);
        }
        for (QAction* item : menus.mnuBackgoundSelected) {
            item->setVisible(!item->text().isEmpty());
        }
        settings.isPoker = kTrue;
        loadTablePicture(QString::fromStdString(settings.prfPKBackground));
        restPayLabels();
        layoutPokerColumn();
        showHandPictures(false);
        table.picPlayerDraw.hide();
        table.picReject.hide();
        table.inAutoSize = kTrue;
        if (!isVisible()) {
            show();
        }
        table.inAutoSize = kFalse;
        AutoSizeToPicture(); // at least 640 pixels wide
        shuffleCards();
        resetGraphics();
        ui.picPokerLabels->show();
        ShowStatus(QStringLiteral("Welcome to Video Poker"));
        showDealPile(true);
        poker.pokerDrawPending = kFalse;
        poker.pokerHeld.clear();
        platform_.shortDelay(kFirstDealWaitMs);
        picDeal_Click(3);
        ShowStatus(QStringLiteral("Click the cards to hold"));
    });
}

// A click on the deal pile in Video Poker (3 for the program's own deals).
void FrmMain::picDeal_Click(int) {
    trap("picDeal_Click", [&] {
        if (!isSet(settings.isPoker)) {
            return;
        }
        menus.mnuStart->setVisible(false);
        table.lblBankComputer->hide();
        {
            QPainter painter(&table.picAnimate.picture());
            pokerBack(*this).draw(painter, 0, 0);
        }
        table.picDeal[0].paintOnto(ui.table->windowImage());
        table.picDeal[0].paintOnto(table.BoardBuffer);
        table.picDeal[0].show();
        ui.table->repaintNow();
        if (!isSet(poker.pokerBusy)) {
            showPokerHand();
        }
    });
}

// The deal's first half: the five cards fly to their places and land face down, in
// alternating directions from one deal to the next.
void FrmMain::dealPokerBacks() {
    TableState& s = table;
    const bool rightToLeft = isSet(poker.dealRightToLeft);
    poker.dealRightToLeft = toFlag(!rightToLeft);
    for (int k = 0; k < kPokerCards; ++k) {
        dealPokerBackTo(rightToLeft ? 4 - k : k);
    }
    s.picAnimate.hide();
    s.picDeal[0].show();
    ui.table->repaintNow();
}

// One face-down card flies from the deck to poker place `index` and stays there.
void FrmMain::dealPokerBackTo(int index) {
    Surface& card = table.picPoker[static_cast<std::size_t>(index)];
    int32 x1 = table.picAnimate.pos().x();
    int32 y1 = table.picAnimate.pos().y();
    AnimateCard(x1, y1, card.pos().x(), card.pos().y(), 1, settings.prfPKBackFace,
                CardLibrary::kModeBack, kNoSkip, false);
    card.copyUnderlying(ui.table->windowImage());
    {
        QPainter painter(&card.picture());
        pokerBack(*this).draw(painter, 0, 0);
    }
    card.show();
    ui.table->repaintNow(card.rect());
    playCue(QStringLiteral("\\wavs\\deal.wav"));
}

} // namespace quillan
