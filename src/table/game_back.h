#pragma once
// The card back of each game as the table paints it: the custom picture when that game's
// custom-back flag is set and a picture is loaded, otherwise the game's back design (its
// default design when the stored number is none the card library has).

#include "app/frm_main.h"
#include "table/back_design_rules.h"
#include "table/card_back_painter.h"

namespace quillan {

inline CardBackPainter rummyBack(FrmMain& w) {
    return CardBackPainter(
        w.cardLibrary(), backDesignShown(w.settings.prfQNBackFace, kRummyDefaultBack),
        isSet(w.settings.prfIsQNCustomCardBack) ? &w.table.picCustomBack : nullptr,
        QSize(w.cards.cWidth, w.cards.cHeight));
}

inline CardBackPainter pokerBack(FrmMain& w) {
    return CardBackPainter(
        w.cardLibrary(), backDesignShown(w.settings.prfPKBackFace, kPokerDefaultBack),
        isSet(w.settings.prfIsPKCustomCardBack) ? &w.table.picCustomBack : nullptr,
        QSize(w.cards.cWidth, w.cards.cHeight));
}

inline CardBackPainter currentGameBack(FrmMain& w) {
    return isSet(w.settings.isPoker) ? pokerBack(w) : rummyBack(w);
}

} // namespace quillan
