#include "table/hand_painting.h"

#include <QPainter>

#include "platform/card_library.h"
#include "table/card_back_painter.h"
#include "table/pixel_copy.h"

namespace quillan {

namespace {

void paintOtherCard(QPainter& painter, const CardSlot& slot, const HandPaintRequest& request,
                    CardLibrary& cards, const CardBackPainter& back) {
    if (request.isComputer && !request.showComputerFaces) {
        back.draw(painter, slot.x, slot.y);
        return;
    }
    cards.cdtDraw(painter, slot.x, slot.y, slot.cardvalue, CardLibrary::kModeFace);
}

} // namespace

HandPaintResult paintHand(QPixmap& handPicture, const QPixmap* cleanBackground, const Hand& hand,
                          const HandPaintRequest& request, CardLibrary& cards,
                          const CardBackPainter& back) {
    HandPaintResult result;
    if (request.dealInProgress) {
        return result;
    }
    if (cleanBackground != nullptr) {
        copyPixels(handPicture, QPoint(0, 0), *cleanBackground);
    }
    QPainter painter(&handPicture);
    for (int16 i = 0; i < 10; ++i) {
        const CardSlot& slot = hand[i];
        if (i != request.skipIndex) {
            paintOtherCard(painter, slot, request, cards, back);
        } else if (request.playerHoldsDraw) {
            cards.cdtDraw(painter, slot.x, 0, slot.cardvalue, CardLibrary::kModeFace);
            result.raisedSlot = i;
        } else if (!request.hideSkipped) {
            cards.cdtDraw(painter, slot.x, slot.y, slot.cardvalue, CardLibrary::kModeFace);
        }
    }
    result.painted = true;
    return result;
}

} // namespace quillan
