#pragma once
// The drawing part of refreshHand: repaints one hand's picture from its clean background,
// leaving out, raising or hiding the card at the skip index.

#include <QPixmap>

#include "cards/card_slot.h"

namespace quillan {

class CardLibrary;
class CardBackPainter;

inline constexpr int16 kNoSkip = 99;
inline constexpr int16 kNoRaisedSlot = -1;

struct HandPaintRequest {
    int16 skipIndex = kNoSkip; // outside 0..9 (99): every card is drawn normally
    bool hideSkipped = false;  // leave the skipped card's place empty
    bool isComputer = false;
    bool playerHoldsDraw = false;   // the skipped card is drawn raised, at y 0
    bool showComputerFaces = false; // prfShowHide false: the computer's cards face up
    bool dealInProgress = false;    // a hand is never shown before its deal animation
};

struct HandPaintResult {
    bool painted = false;             // false while the deal is in progress
    int16 raisedSlot = kNoRaisedSlot; // slot drawn raised, for raisedSlot
};

// Repaints `handPicture` (picPlayerHand or picComputerHand): first the whole of
// `cleanBackground` when given, then slots 0..9 of `hand`. The player's cards and the
// skipped card are faces; the computer's other cards are faces or `back`.
HandPaintResult paintHand(QPixmap& handPicture, const QPixmap* cleanBackground, const Hand& hand,
                          const HandPaintRequest& request, CardLibrary& cards,
                          const CardBackPainter& back);

} // namespace quillan
