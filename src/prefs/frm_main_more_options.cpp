// "More Options..": the Preferences dialog, and the table laid out again afterwards when
// the card spacing was typed in it.
#include "app/frm_main.h"
#include "cards/deal_rules.h"
#include "prefs/card_spacing_change.h"
#include "prefs/frm_preferences.h"
#include "prefs/prefs_spacing_rules.h"

namespace quillan {

void FrmMain::mnuMoreOptions_Click() {
    trap("mnuMoreOptions_Click", [&] {
        FrmPreferences dialog(*this, this);
        dialog.exec();
    });
    applyCardSpacingChange(*this);
}

void applyCardSpacingChange(FrmMain& w) {
    w.trap("mnuMoreOptions_Click", [&] {
        if (isSet(w.settings.isPoker)) {
            // Typed while Video Poker was on the table: it never lays out a later Gin
            // Rummy hand (the spacing itself is kept in prfCardSpace).
            w.spaceChanged = kFalse;
            return;
        }
        if (!isSet(w.spaceChanged) || isSet(w.turn.dealInProgress) || isSet(w.turn.computerTurn)) {
            return;
        }
        const int16 oldSpacing = w.cards.cardSpacing;
        const int16 newSpacing = cardSpacingFor(w.settings.prfCardSpace, w.cards.cWidth);
        rescaleHand(w.cards.handplayer, oldSpacing, newSpacing, w.cards.cWidth);
        rescaleHand(w.cards.handComputer, oldSpacing, newSpacing, w.cards.cWidth);
        w.cards.cardSpacing = newSpacing;
        // Laying the table out again must not cost the player the running scores.
        const Banks banks = w.banks;
        w.FirstInit();
        w.banks = banks;
        w.LoadBackGroundPic(QString::fromStdString(w.settings.prfQNBackground));
        w.spaceChanged = kFalse;
    });
}

} // namespace quillan
