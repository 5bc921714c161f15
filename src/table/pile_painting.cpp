#include "table/pile_painting.h"

#include <QPainter>

#include "platform/card_library.h"
#include "table/card_back_painter.h"
#include "table/pile_drawing_rules.h"
#include "table/pixel_copy.h"
#include "table/surface.h"

namespace quillan {

void paintRejectPile(QPixmap& rejectPicture, const QPixmap& cleanBackground, const Pile& rejectPile,
                     CardLibrary& cards) {
    copyPixels(rejectPicture, QPoint(0, 0), cleanBackground);
    QPainter painter(&rejectPicture);
    for (const PileCard& c : rejectFan(rejectPile.upperBound())) {
        cards.cdtDraw(painter, c.x, c.y, rejectPile[c.index].cardvalue, CardLibrary::kModeFace);
    }
}

void paintDealPileStage(QPixmap& picture, int stage, const CardBackPainter& back) {
    QPainter painter(&picture);
    for (const PileCard& c : dealPileBacks(stage)) {
        back.draw(painter, c.x, c.y);
    }
}

void drawDealDeck(std::array<Surface*, 4> picDeal, const CardBackPainter& back) {
    for (int stage = 0; stage < kDealPileStages; ++stage) {
        Surface* s = picDeal[static_cast<std::size_t>(stage)];
        if (s == nullptr) {
            continue;
        }
        paintDealPileStage(s->picture(), stage, back);
        if (picDeal[0] != nullptr) {
            s->move(picDeal[0]->pos());
        }
        s->show();
    }
}

void paintComputerBacks(QPixmap& computerHand, int16 cardSpacing, const CardBackPainter& back) {
    QPainter painter(&computerHand);
    for (const int32 x : computerHandXs(cardSpacing)) {
        back.draw(painter, x, 0);
    }
}

} // namespace quillan
