// Rearranging the player's hand with the mouse: the card under the pointer rises while a
// discard is due, a drag drops a card after another, a click sends it to an end.
#include <QPainter>
#include <cmath>

#include "app/frm_main.h"
#include "common/rounding.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "table/blit_transparent.h"
#include "table/hand_drag_rules.h"
#include "table/hand_painting.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

constexpr int kDragThreshold = 5;

HandGeometry geometryOf(const FrmMain& w) {
    return {w.cards.cardSpacing, w.cards.handTop, w.cards.cWidth};
}

bool dragging(const FrmMain& w) {
    return isSet(w.pointer.handMouseDown) && !isSet(w.turn.playerHoldsDraw) && !rummyBusy(w);
}

// The dragged card follows the pointer over the hand; the card still shows in its place.
void drawDraggedCard(FrmMain& w, int slot, double x) {
    w.refreshHand(static_cast<int16>(slot), false, false);
    paintOneCard(w, w.table.picAnimate, w.pointer.dragCard.cardvalue, CardLibrary::kModeFace);
    QPixmap& hand = w.table.picPlayerHand.picture();
    const QPoint at(static_cast<int>(roundToInt(x)) - w.pointer.grabOffset,
                    w.cards.handplayer[slot].y);
    BlitTransparent(hand, hand, w.table.picAnimate.picture(),
                    QRect(QPoint(0, 0), w.table.picAnimate.size()), at, kMarkKeyColour);
    w.ui.table->repaintNow(w.table.picPlayerHand.rect());
}

} // namespace

void FrmMain::picPlayerHand_MouseDown(int button, double x) {
    pointer.primaryButtonDown = toFlag(button == 1);
    pointer.handMouseDown = kTrue;
    pointer.dragMoved = kFalse;
    pointer.downX = static_cast<int32>(roundToInt(x));
}

void FrmMain::picPlayerHand_MouseMove(double x) {
    trap("picPlayerHand_MouseMove", [&] {
        if (isSet(turn.handOver) || isSet(settings.isPoker)) {
            return;
        }
        if (dragging(*this) && std::abs(x - pointer.downX) > kDragThreshold) {
            pointer.dragMoved = kTrue;
        }
        const int i = slotUnderPointer(cards.handplayer, x);
        if (i < 0) {
            return;
        }
        pointer.hoverSlot = static_cast<int16>(i);
        pointer.hoverActive = kTrue;
        if (!isSet(pointer.handMouseDown)) {
            copyCard(pointer.dragCard, cards.handplayer[i]);
            pointer.grabOffset = static_cast<int32>(roundToInt(x - cards.handplayer[i].x));
        }
        if (dragging(*this) && pointer.dragCard.rank > 0) {
            drawDraggedCard(*this, i, x);
        }
        if (i != pointer.lastHoverSlot) {
            pointer.lastHoverSlot = static_cast<int16>(i);
            if (!isSet(pointer.handMouseDown) && !isSet(pointer.dragMoved)) {
                refreshHand(static_cast<int16>(i), false, false);
            }
        }
    });
}

void FrmMain::picPlayerHand_MouseUp(double x) {
    trap("picPlayerHand_MouseUp", [&] {
        const int i = slotUnderPointer(cards.handplayer, x);
        if (i >= 0) {
            pointer.hoverSlot = static_cast<int16>(i);
        }
        if (isSet(pointer.dragMoved) && dragging(*this) && !isSet(turn.handOver)) {
            const int t = slotUnderPointer(cards.handplayer, x - pointer.grabOffset);
            if (t >= 0) {
                MoveCardDragging(static_cast<int16>(t));
            } else {
                refreshHand(kNoSkip, false, false); // no drop: the dragged picture goes
            }
        }
        pointer.handMouseDown = kFalse;
        pointer.downX = 0;
    });
}

void FrmMain::MoveCardDragging(int16 target) {
    trap("MoveCardDragging", [&] {
        if (!moveCardDragging(cards.handplayer, pointer.dragCard, target, geometryOf(*this))) {
            refreshHand(kNoSkip, false, false);
            return;
        }
        refreshHand(0, false, false);
        pointer.dragCard = CardSlot{0, 0, 0, -1, -1, -1, 0};
    });
}

void FrmMain::MoveCardForward(int16 slot) {
    trap("MoveCardForward", [&] {
        moveCardToEnd(cards.handplayer, slot, true, geometryOf(*this));
        groupPlayerHand();
    });
}

void FrmMain::MoveCardBack(int16 slot) {
    trap("MoveCardBack", [&] {
        moveCardToEnd(cards.handplayer, slot, false, geometryOf(*this));
        groupPlayerHand();
    });
}

void FrmMain::groupPlayerHand() {
    trapPlain("error ", [&] {
        platform_.doEvents();
        quillan::groupPlayerHand(cards.handplayer, geometryOf(*this));
    });
}

void FrmMain::Form_MouseDown(int button, const QPoint& at) {
    trap("Form_MouseDown", [&] {
        if (isSet(settings.isPoker)) {
            return;
        }
        if (button == 2) {
            popUpActionMenu(at);
        } else {
            menus.mnuStart->setVisible(false);
        }
    });
}

void FrmMain::Form_MouseMove(int y) {
    trap("Form_MouseMove", [&] {
        if (y < 100) {
            menus.mnuStart->setVisible(false);
        }
        if (!isSet(settings.isPoker) && !isSet(turn.handOver) && isSet(pointer.hoverActive)) {
            refreshHand(kNoSkip, false, false);
            table.raisedSlot = kNoRaisedSlot;
            pointer.hoverActive = kFalse;
            pointer.lastHoverSlot = -1;
        }
    });
}

void FrmMain::Form_MouseUp() {
    pointer.handMouseDown = kFalse;
    pointer.dragMoved = kFalse;
}

} // namespace quillan
