#include "rummy/frm_main_rummy_helpers.h"

#include <QPainter>

#include "table/hand_painting.h"
#include "table/pile_drawing_rules.h"
#include "table/pile_painting.h"
#include "table/table_canvas.h"

namespace quillan {

Pile pileFrom(const CardList& list) {
    Pile pile;
    if (list.empty()) {
        return pile;
    }
    pile.resizeKeep(list.size() - 1);
    for (int i = 0; i < list.size(); ++i) {
        pile[i] = list[i];
    }
    return pile;
}

CardList listFrom(const Pile& pile) {
    CardList list;
    for (const CardSlot& c : pile) {
        if (c.rank > 0) {
            list.push(c);
        }
    }
    return list;
}

bool pileHolds(const Pile& pile, int16 cardvalue) {
    for (const CardSlot& c : pile) {
        if (c.rank > 0 && c.cardvalue == cardvalue) {
            return true;
        }
    }
    return false;
}

bool rummyBusy(const FrmMain& w) {
    return isSet(w.turn.computerTurn) || isSet(w.turn.dealInProgress) || isSet(w.settings.isPoker);
}

int rejectTopValue(const FrmMain& w) {
    const Pile& pile = w.cards.rejectPile;
    return pile.upperBound() >= 1 ? pile[pile.upperBound()].cardvalue : -1;
}

RummyVariant currentVariant(const FrmMain& w) {
    return variantFromSettings(w.settings.prfOpQN, w.settings.prfOpStandard,
                               w.settings.prfOpOklahoma);
}

QPoint rejectTopPlace(const FrmMain& w, long cards) {
    const std::vector<PileCard> fan = rejectFan(cards);
    const QPoint at = w.table.picReject.pos();
    return fan.empty() ? at : at + QPoint(fan.back().x, fan.back().y);
}

void redrawRejectPile(FrmMain& w) {
    Surface& pile = w.table.picReject;
    paintRejectPile(pile.picture(), w.table.picRejectBack.picture(), w.cards.rejectPile,
                    w.cardLibrary());
    pile.show();
    w.ui.table->repaintNow(pile.rect());
}

void showDeckStage(FrmMain& w) {
    w.table.dealPileStage = static_cast<int16>(dealPileStageFor(w.cards.stock.upperBound() + 1));
    for (int k = 0; k < 4; ++k) {
        w.table.picDeal[static_cast<size_t>(k)].setVisible(k == w.table.dealPileStage);
    }
    w.ui.table->repaintNow(w.table.picDeal[0].rect());
}

void paintOneCard(FrmMain& w, Surface& place, int32 card, int32 mode) {
    QPainter painter(&place.picture());
    w.cardLibrary().cdtDraw(painter, 0, 0, card, mode);
}

} // namespace quillan
