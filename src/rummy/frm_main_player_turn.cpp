// The player's turn in Gin Rummy: taking from the Deck or the Reject stack, discarding by
// clicking the raised card or the drawn card, and the tie when the stock runs low.
#include <QAction>
#include <QCursor>
#include <QLabel>

#include "app/frm_main.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "rummy/opponent_level.h"
#include "stats/frm_main_statistics.h"
#include "table/game_back.h"
#include "table/hand_painting.h"
#include "table/pile_drawing_rules.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

const QString kDealSound = QStringLiteral("\\wavs\\deal.wav");
const QString kTieTitle = QStringLiteral("Start a new game...?");

// Yes starts a new hand.
void askTieQuestion(FrmMain& w, const QString& text) {
    recordRummyTie(w);
    if (w.platform().askYesNo(text, kTieTitle)) {
        w.cards.rejectPile.reset();
        w.mnuPlayRummy_Click();
    }
}

// The taken card (slot 10) lands face up on the drawn-card place.
void flyToPlayerDraw(FrmMain& w, QPoint from, int32 card, int32 mode) {
    Surface& draw = w.table.picPlayerDraw;
    int32 x1 = from.x();
    int32 y1 = from.y();
    w.AnimateCard(x1, y1, draw.pos().x(), draw.pos().y(), 1, card, mode, kNoSkip, false);
    paintOneCard(w, draw, w.cards.handplayer[10].cardvalue, CardLibrary::kModeFace);
    draw.show();
    w.ui.table->repaintNow(draw.rect());
}

void takeFromStock(FrmMain& w) {
    Pile& stock = w.cards.stock;
    const long top = stock.upperBound();
    copyCard(w.cards.handplayer[10], stock[top]);
    w.opponent->drewStock(Seat::Player, rejectTopValue(w), w.cards.handplayer[10].cardvalue);
    if (top > 2) {
        stock.resizeKeep(top - 1);
    } else {
        w.turn.stockExhausted = kTrue;
    }
    showDeckStage(w);
    w.turn.playerHoldsDraw = kTrue;
    w.playCue(kDealSound);
    {
        QPainter painter(&w.table.picAnimate.picture());
        rummyBack(w).draw(painter, 0, 0);
    }
    flyToPlayerDraw(w, w.table.picDeal[0].pos() + QPoint(kDealPileTopX, kDealPileTopY),
                    w.settings.prfQNBackFace, CardLibrary::kModeBack);
    w.pointer.dragMoved = kFalse;
    if (!isSet(w.kept.discardHintShown)) {
        w.ShowStatus(QStringLiteral("Click a card to discard"));
        w.kept.discardHintShown = kTrue;
    }
}

void takeFromRejectPile(FrmMain& w) {
    Pile& pile = w.cards.rejectPile;
    const long top = pile.upperBound();
    const QPoint from = rejectTopPlace(w, top);
    copyCard(w.cards.handplayer[10], pile[top]);
    w.opponent->tookReject(Seat::Player, w.cards.handplayer[10].cardvalue);
    pile.resizeKeep(top - 1);
    redrawRejectPile(w);
    w.playCue(kDealSound);
    paintOneCard(w, w.table.picAnimate, w.cards.handplayer[10].cardvalue, CardLibrary::kModeFace);
    flyToPlayerDraw(w, from, w.cards.handplayer[10].cardvalue, CardLibrary::kModeFace);
    w.turn.playerHoldsDraw = kTrue;
    w.pointer.dragMoved = kFalse;
}

void showVariantStatus(FrmMain& w) {
    const std::string text = variantStatusText(currentVariant(w), w.rummy.MAXDEADWOOD,
                                               w.ui.lblStatus->text().toStdString());
    if (!text.empty()) {
        w.ShowStatus(QString::fromStdString(text));
    }
}

} // namespace

void FrmMain::picDealRummy_Click() {
    trap("picDeal_Click", [&] {
        menus.mnuStart->setVisible(false);
        table.lblBankComputer->hide();
        if (rummyBusy(*this)) {
            return;
        }
        if (!isSet(turn.handOver)) {
            const HandPlayScope playing(handPlayDepth_);
            if (isSet(turn.playerHoldsDraw)) {
                cardGraphics();
            } else {
                takeFromStock(*this);
            }
            if (!isSet(turn.handOver)) {
                analyseHand(cards.handplayer);
            }
        }
        if (isSet(turn.stockExhausted)) {
            askTieQuestion(*this, QStringLiteral("The Deck is down to 2 cards.\nThe game is a "
                                                 "tie\nStart a new game?"));
        }
    });
}

void FrmMain::picReject_Click() {
    trap("picReject_Click", [&] {
        menus.mnuStart->setVisible(false);
        if (rummyBusy(*this)) {
            return;
        }
        if (!isSet(turn.handOver)) {
            const HandPlayScope playing(handPlayDepth_);
            if (!isSet(turn.playerHoldsDraw) && cards.rejectPile.upperBound() >= 1) {
                takeFromRejectPile(*this);
            }
            analyseHand(cards.handplayer);
        }
        if (isSet(turn.stockExhausted)) {
            askTieQuestion(*this, QStringLiteral("The game is a tie.."));
        }
    });
}

void FrmMain::picPlayerHand_Click() {
    trap("picPlayerHand_Click", [&] {
        menus.mnuStart->setVisible(false);
        const int16 slot = pointer.hoverSlot;
        if (isSet(turn.handOver) || rummyBusy(*this) || slot < 0 || slot > 9) {
            return;
        }
        const bool primary = isSet(pointer.primaryButtonDown);
        if (!isSet(pointer.handMouseDown) && !isSet(pointer.dragMoved) &&
            !isSet(turn.playerHoldsDraw)) {
            const bool normalButtons = isSet(settings.prfMouseRightLeft);
            if ((primary && !normalButtons) || (!primary && normalButtons)) {
                MoveCardForward(slot);
            } else {
                MoveCardBack(slot);
            }
            refreshHand(slot, false, false);
        } else if (isSet(turn.playerHoldsDraw) && slot == table.raisedSlot) {
            if (primary) {
                DiscardPlayerCard(slot);
            } else {
                popUpActionMenu(QCursor::pos());
            }
        }
    });
}

void FrmMain::picPlayerDraw_MouseDown(int button) {
    pointer.primaryButtonDown = toFlag(button == 1);
}

void FrmMain::picPlayerDraw_Click() {
    trap("picPlayerDraw_Click", [&] {
        menus.mnuStart->setVisible(false);
        if (isSet(turn.handOver) || rummyBusy(*this) || !isSet(turn.playerHoldsDraw)) {
            return;
        }
        if (isSet(pointer.primaryButtonDown)) {
            DiscardPlayerCard(10);
            turn.playerHoldsDraw = kFalse;
        } else {
            popUpActionMenu(QCursor::pos());
        }
    });
}

void FrmMain::DiscardPlayerCard(int16 slot) {
    const HandPlayScope playing(handPlayDepth_);
    trap("DiscardPlayerCard", [&] {
        turn.gameStarted = kTrue;
        turn.playerHoldsDraw = kFalse;
        CardSlot& card = cards.handplayer[slot];
        QPoint from = table.picPlayerDraw.pos();
        if (slot != 10) {
            const int32 y = slot == table.raisedSlot ? 0 : card.y;
            from = table.picPlayerHand.pos() + QPoint(card.x, y);
            refreshHand(slot, true, false); // the card leaves its place
        }
        table.raisedSlot = kNoRaisedSlot;
        playCue(QStringLiteral("\\wavs\\drop.wav"));
        paintOneCard(*this, table.picAnimate, card.cardvalue, CardLibrary::kModeFace);
        const QPoint to = rejectTopPlace(*this, cards.rejectPile.upperBound() + 1);
        int32 x1 = from.x();
        int32 y1 = from.y();
        AnimateCard(x1, y1, to.x(), to.y(), 2, card.cardvalue, CardLibrary::kModeFace,
                    slot == 10 ? kNoSkip : slot, false);
        const long top = cards.rejectPile.upperBound() + 1;
        cards.rejectPile.resizeKeep(top);
        copyCard(cards.rejectPile[top], card);
        opponent->threw(Seat::Player, card.cardvalue);
        redrawRejectPile(*this);
        if (slot != 10) {
            copyCard(card, cards.handplayer[10]);
        }
        table.picplayerBack2.hide();
        table.picPlayerDraw.hide();
        refreshHand(kNoSkip, false, false);
        ui.table->repaintNow();
        if (isSet(turn.handOver)) {
            return;
        }
        analyseHand(tenSlotsOf(cards.handplayer));
        if (isSet(turn.handOver)) {
            return; // ten cards that are gin end the hand at once
        }
        turn.computerTurn = kTrue;
        showVariantStatus(*this);
        play.computerMayKnock = kFalse;
        ComputerTurn();
    });
}

} // namespace quillan
