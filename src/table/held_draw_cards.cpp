#include "table/held_draw_cards.h"

#include <QPainter>

#include "app/frm_main.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "table/game_back.h"
#include "table/table_canvas.h"

namespace quillan {

HeldDrawCards heldDrawCards(const FrmMain& w) {
    if (isSet(w.settings.isPoker)) {
        return {};
    }
    return {w.table.picPlayerDraw.isVisible(), w.table.picComputerDraw.isVisible()};
}

void repaintHeldDrawCards(FrmMain& w, const HeldDrawCards& held) {
    if (isSet(w.settings.isPoker)) {
        return;
    }
    if (held.player) {
        Surface& spot = w.table.picPlayerDraw;
        paintOneCard(w, spot, w.cards.handplayer[10].cardvalue, CardLibrary::kModeFace);
        spot.show();
        w.ui.table->repaintNow(spot.rect());
    }
    if (held.computer) {
        Surface& spot = w.table.picComputerDraw;
        if (isSet(w.turn.handOver) || !isSet(w.settings.prfShowHide)) {
            paintOneCard(w, spot, w.cards.handComputer[10].cardvalue, CardLibrary::kModeFace);
        } else {
            QPainter painter(&spot.picture());
            rummyBack(w).draw(painter, 0, 0);
        }
        spot.show();
        w.ui.table->repaintNow(spot.rect());
    }
}

} // namespace quillan
