// The face-down deal pile: its four stacked pictures and the animated back on its top.
#include "app/frm_main.h"
#include "table/game_back.h"
#include "table/pile_drawing_rules.h"
#include "table/pile_painting.h"
#include "table/table_canvas.h"

namespace quillan {

void FrmMain::DrawDealDeck() {
    trap("DrawDealDeck", [&] {
        TableState& s = table;
        drawDealDeck({&s.picDeal[0], &s.picDeal[1], &s.picDeal[2], &s.picDeal[3]},
                     currentGameBack(*this));
        const bool computerHidden = isSet(settings.prfShowHide);
        if (!isSet(settings.isPoker) && !isSet(turn.dealInProgress) && computerHidden) {
            paintComputerBacks(s.picComputerHand.picture(), cards.cardSpacing, rummyBack(*this));
        }
        ui.table->repaintNow();
    });
}

void FrmMain::showDealPile(bool visible) {
    for (Surface& deal : table.picDeal) {
        deal.setVisible(visible);
    }
}

void FrmMain::cardGraphics() {
    trap("cardGraphics", [&] {
        Surface& top = table.picDeal[0];
        const int32 back =
            isSet(settings.isPoker) ? settings.prfPKBackFace : settings.prfQNBackFace;
        for (const int32 animated : {64, 65}) {
            if (settings.prfQNBackFace != animated && settings.prfPKBackFace != animated) {
                continue;
            }
            for (int frame = 0; frame < 4 && top.isVisible(); ++frame) {
                {
                    QPainter painter(&top.picture());
                    cardLibrary_.cdtAnimate(painter, back, kDealPileTopX, kDealPileTopY, frame);
                }
                ui.table->repaintNow(top.rect());
                platform_.shortDelay(250);
                platform_.doEvents();
            }
        }
    });
}

} // namespace quillan
