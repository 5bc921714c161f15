// resetGraphics: lays the table out for the current game and repaints it, keeping a clean
// copy of the background under every card place.
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "app/frm_main.h"
#include "table/background_picture.h"
#include "table/blit_transparent.h"
#include "table/pile_painting.h"
#include "table/table_canvas.h"
#include "table/table_design.h"

namespace quillan {

namespace {

QRect qrect(const LayoutRect& r) {
    const PixelRect p = pixelRect(r);
    return {p.x, p.y, p.w, p.h};
}

void paintStretched(QPixmap& target, const QPixmap& strip, const LayoutRect& at) {
    QPainter painter(&target);
    painter.drawPixmap(qrect(at), strip);
}

} // namespace

void FrmMain::placeSurfaces(const TableLayout& t) {
    TableState& s = table;
    s.picReject.setGeometry(pixelRect(t.reject));
    s.picRejectBack.setGeometry(pixelRect(t.reject));
    for (Surface& deal : s.picDeal) {
        deal.setGeometry(pixelRect(t.deal));
    }
    s.picDealBack.setGeometry(pixelRect(t.deal));
    for (Surface* hand : {&s.picPlayerHand, &s.picPlayerBack, &s.picplayerBack2}) {
        hand->setGeometry(pixelRect(t.playerHand));
    }
    for (Surface* hand : {&s.picComputerHand, &s.picComputerBack, &s.picComputerBack2}) {
        hand->setGeometry(pixelRect(t.computerHand));
    }
    s.picComputerDraw.setGeometry(pixelRect(t.computerDraw));
    s.picComputerDrawBAck.setGeometry(pixelRect(t.computerDraw));
    s.picPlayerDraw.setGeometry(pixelRect(t.playerDraw));
    s.picPlayerDrawBack.setGeometry(pixelRect(t.playerDraw));
    if (!t.hasPokerCards) {
        return;
    }
    for (int i = 0; i < kPokerCards; ++i) {
        const auto n = static_cast<std::size_t>(i);
        s.picPoker[n].setGeometry(pixelRect(t.poker[i]));
        const QRect card = qrect(t.poker[i]);
        s.Shape1[n]->setGeometry(card);
        s.Shape2[n]->setGeometry(card.x() + 1, card.y(), 1, card.height());
        s.Shape3[n]->setGeometry(qrect(t.shape3InCard).translated(card.topLeft()));
    }
}

void FrmMain::paintBorderStrips(bool besidePanel) {
    const TableLayout t = quillan::layoutTable(
        ui.table->tableSize().width(), ui.table->tableSize().height(),
        CardGeometry{cards.cWidth, cards.cHeight, cards.cardSpacing, cards.handTop},
        tableDesignFor(ui.table->tableSize().height()), isSet(settings.isPoker));
    QPixmap& win = ui.table->windowImage();
    if (besidePanel) {
        paintStretched(win, table.picSide2, t.side2BesidePanel);
        return;
    }
    paintStretched(win, table.picTop, t.topStrip);
    paintStretched(win, table.picBottom, t.bottomStrip);
    paintStretched(win, table.picBottom, t.bottomStrip2);
    paintStretched(win, table.picSide1, t.side1);
    paintStretched(win, table.picSide2, t.side2);
}

// Back design 53 laid on the empty card places, white letting the table show through.
void FrmMain::stampEmptyPlaces() {
    TableState& s = table;
    s.picAnimate.picture().fill(Qt::white);
    paintEmptyPlaceMark(s.picAnimate.picture(), cardLibrary_);
    const QPixmap& mark = s.picAnimate.picture();
    QPixmap& win = ui.table->windowImage();
    // Each game marks only its own places: in Video Poker the Gin Rummy places would
    // show through under the poker cards.
    if (isSet(settings.isPoker)) {
        for (Surface& card : s.picPoker) {
            stampEmptyPlaceMark(win, card.pos(), mark);
            card.hide();
        }
    } else {
        for (const Surface* place : {&s.picPlayerDraw, &s.picReject, &s.picComputerDraw}) {
            stampEmptyPlaceMark(win, place->pos(), mark);
        }
    }
    stampEmptyPlaceMark(s.picPlayerDrawBack.picture(), QPoint(0, 0), mark);
    stampEmptyPlaceMark(s.picComputerDrawBAck.picture(), QPoint(0, 0), mark);
    stampEmptyPlaceMark(s.picRejectBack.picture(), QPoint(0, 0), mark);
    s.picReject.copyPictureOf(s.picRejectBack);
    s.picDealBack.hide();
}

void FrmMain::resetGraphics() {
    trap("resetGraphics", [&] {
        TableState& s = table;
        const bool poker = isSet(settings.isPoker);
        showDealPile(false);
        for (Surface& card : s.picPoker) {
            card.hide();
        }
        showHandPictures(false);
        for (Surface* place : {&s.picPlayerDraw, &s.picComputerDraw, &s.picReject}) {
            place->hide();
        }
        ui.picPokerLabels->hide();
        const QSize client = ui.table->tableSize();
        {
            QPainter painter(&ui.table->windowImage());
            painter.fillRect(QRect(QPoint(0, 0), client), palette().window());
            paintBackground(painter, s.thePic);
        }
        const TableLayout t = quillan::layoutTable(
            client.width(), client.height(),
            CardGeometry{cards.cWidth, cards.cHeight, cards.cardSpacing, cards.handTop},
            tableDesignFor(client.height()), poker);
        placeSurfaces(t);
        const QPixmap& win = ui.table->windowImage();
        s.picReject.copyUnderlying(win);
        s.picRejectBack.copyUnderlying(win);
        for (Surface& deal : s.picDeal) {
            deal.copyUnderlying(win);
        }
        s.picDealBack.copyUnderlying(win);
        paintBorderStrips(false);
        for (Surface* place :
             {&s.picPlayerHand, &s.picPlayerBack, &s.picComputerHand, &s.picComputerBack,
              &s.picComputerDraw, &s.picComputerDrawBAck, &s.picPlayerDraw, &s.picPlayerDrawBack}) {
            place->copyUnderlying(win);
        }
        if (poker) {
            for (Surface& card : s.picPoker) {
                card.copyUnderlying(win);
            }
        }
        s.BoardBuffer = win.copy();
        ui.picPokerLabels->setGeometry(qrect(t.pokerLabels));
        if (poker) {
            paintBorderStrips(true);
        }
        s.lblBankPlayer->setGeometry(qrect(t.bankPlayer));
        s.lblBankComputer->setGeometry(qrect(t.bankComputer));
        s.lblBankComputer->setVisible(!poker);
        ui.Frame1->setGeometry(qrect(t.frame1));
        s.picStatus.setGeometry(pixelRect(t.status));
        s.picStatus.picture().fill(kStatusStripColour);
        ui.lblStatus->setGeometry(qrect(t.status));
        s.picStatus.show();
        if (!poker) {
            showHandPictures(true);
            s.picPlayerDraw.hide();
            s.picComputerDraw.hide();
            s.picReject.hide();
        }
        stampEmptyPlaces();
        ui.table->repaintNow();
        if (!poker) {
            paintRejectPile(s.picReject.picture(), s.picRejectBack.picture(), cards.rejectPile,
                            cardLibrary_);
            s.picReject.show();
            ui.table->repaintNow(s.picReject.rect());
        }
        s.picDeal[0].show();
        DrawDealDeck();
        if (!poker) {
            finishRummyTable();
        }
    });
}

// Step 19 in Gin Rummy: the banks, then the deal or the hands where they are.
void FrmMain::finishRummyTable() {
    if (isSet(settings.prfQNScores)) {
        UpdateBank();
    }
    if (isSet(turn.dealPending)) {
        showHandPictures(true);
        DealGraphics();
        turn.dealPending = kFalse;
    } else {
        redrawHandsInPlace();
    }
}

} // namespace quillan
