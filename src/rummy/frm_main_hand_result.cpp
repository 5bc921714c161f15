// The end of a hand: both hands face up in groups of 3, 3 and 4, unmatched cards marked.
#include <QAction>
#include <QPainter>

#include "app/frm_main.h"
#include "cards/hand_sort_rules.h"
#include "rummy/frm_main_rummy_helpers.h"
#include "table/pixel_copy.h"
#include "table/table_canvas.h"

namespace quillan {

namespace {

void paintResult(FrmMain& w, Surface& hand, const Surface& clean, Hand& cards,
                 const Pile& unmatched, int32 top) {
    const std::array<int32, 10> xs = layout334(w.cards.cardSpacing);
    copyPixels(hand.picture(), QPoint(0, 0), clean.picture());
    QPainter painter(&hand.picture());
    for (int i = 0; i < 10; ++i) {
        CardSlot& slot = cards[i];
        slot.x = xs[static_cast<size_t>(i)];
        const int mode = pileHolds(unmatched, slot.cardvalue) ? CardLibrary::kModeHighlight
                                                              : CardLibrary::kModeFace;
        w.cardLibrary().cdtDraw(painter, slot.x, top, slot.cardvalue, mode);
    }
    painter.end();
    hand.show();
    w.ui.table->repaintNow(hand.rect());
}

} // namespace

void FrmMain::showComputerHandResult() {
    trap("showComputerHandResult", [&] {
        paintResult(*this, table.picComputerHand, table.picComputerBack, cards.handComputer,
                    rummy.computerUnmatched, 0);
        // A computer that went gin still holds the card it drew: it is shown too.
        if (table.picComputerDraw.isVisible()) {
            paintOneCard(*this, table.picComputerDraw, cards.handComputer[10].cardvalue,
                         CardLibrary::kModeFace);
            ui.table->repaintNow(table.picComputerDraw.rect());
        }
        menus.mnuShowComputerHand->setEnabled(true);
    });
}

void FrmMain::showPlayerHandResult() {
    trap("showPlayerHandResult", [&] {
        paintResult(*this, table.picPlayerHand, table.picPlayerBack, cards.handplayer,
                    rummy.playerUnmatched, cards.handTop);
    });
}

} // namespace quillan
