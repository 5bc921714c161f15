#include "table/hand_keys.h"

#include <algorithm>

#include "app/frm_main.h"
#include "table/hand_painting.h"
#include "table/key_marker.h"

namespace quillan {

namespace {

constexpr int kDrawnCard = 10;
constexpr int kPrimaryButton = 1;
constexpr int kSecondaryButton = 2;
constexpr int kMarkerGap = 2; // between the marker's tip and the card's top edge

} // namespace

HandKeys::HandKeys(FrmMain& window, QWidget* table) : w_(window), marker_(new KeyMarker(table)) {}

HandKeys::Stage HandKeys::stage() const {
    if (isSet(w_.settings.isPoker) || isSet(w_.turn.handOver) ||
        !w_.table.picPlayerHand.isVisible()) {
        return Stage::None;
    }
    return isSet(w_.turn.playerHoldsDraw) ? Stage::ToDiscard : Stage::ToTake;
}

// The keyboard's own choice, or while a discard is due the card the pointer has raised.
int HandKeys::current(Stage s) const {
    if (chosen_ >= 0 && chosenIn_ == s) {
        return chosen_;
    }
    const int raised = w_.table.raisedSlot;
    if (s == Stage::ToDiscard && isSet(w_.pointer.hoverActive) && raised >= 0 && raised <= 9) {
        return raised;
    }
    return -1;
}

void HandKeys::step(int by) {
    const Stage s = stage();
    if (s == Stage::None) {
        return;
    }
    const int count = s == Stage::ToDiscard ? 11 : 10; // the drawn card is the eleventh
    const int from = current(s);
    chosen_ = from < 0 ? (by > 0 ? 0 : count - 1) : (from + by + count) % count;
    chosenIn_ = s;
    show();
}

// As a click on the card: the primary button sends it to the left end with the system's
// normal button order, and the physical button decides the side when they are swapped.
void HandKeys::sendToEnd(bool rightEnd) {
    const int slot = current(Stage::ToTake);
    if (stage() != Stage::ToTake || slot < 0) {
        return;
    }
    const bool normalButtons = isSet(w_.settings.prfMouseRightLeft);
    const int button = rightEnd != normalButtons ? kPrimaryButton : kSecondaryButton;
    const double x = slotCentre(slot);
    w_.picPlayerHand_MouseDown(button, x);
    w_.picPlayerHand_MouseUp(x);
    w_.picPlayerHand_Click();
    if (stage() == Stage::ToTake) {
        chosen_ = rightEnd ? 9 : 0; // the choice stays with the card
        chosenIn_ = Stage::ToTake;
        show();
    }
}

void HandKeys::discard() {
    const int slot = current(Stage::ToDiscard);
    if (stage() != Stage::ToDiscard || slot < 0) {
        return;
    }
    forget();
    if (slot == kDrawnCard) {
        w_.picPlayerDraw_MouseDown(kPrimaryButton);
        w_.picPlayerDraw_Click();
        return;
    }
    if (w_.table.raisedSlot != slot) {
        w_.refreshHand(static_cast<int16>(slot), false, false); // a click falls on a raised card
    }
    const double x = slotCentre(slot);
    w_.picPlayerHand_MouseDown(kPrimaryButton, x);
    w_.picPlayerHand_MouseUp(x);
    w_.picPlayerHand_Click();
}

void HandKeys::forget() {
    chosen_ = -1;
    chosenIn_ = Stage::None;
    marker_->hide();
}

void HandKeys::tableRepainted() {
    if (chosen_ >= 0 && chosenIn_ != stage()) {
        forget();
    }
}

void HandKeys::show() {
    const Surface& hand = w_.table.picPlayerHand;
    const int tipY = hand.pos().y() + w_.cards.handTop - kMarkerGap;
    if (chosenIn_ == Stage::ToDiscard && chosen_ == kDrawnCard) {
        w_.refreshHand(kNoSkip, false, false);
        w_.table.raisedSlot = kNoRaisedSlot;
        const Surface& drawn = w_.table.picPlayerDraw;
        marker_->pointAt(drawn.pos().x(), drawn.pos().x() + drawn.size().width(), tipY);
    } else if (chosenIn_ == Stage::ToDiscard) {
        marker_->hide();
        w_.refreshHand(static_cast<int16>(chosen_), false, false); // drawn raised
    } else {
        const CardSlot& card = w_.cards.handplayer[chosen_];
        const int32 right = std::min(card.xEnd, card.x + w_.cards.cWidth);
        marker_->pointAt(hand.pos().x() + card.x, hand.pos().x() + right, tipY);
    }
}

// Inside the slot's clickable span, so that the hand's own hit test finds it.
double HandKeys::slotCentre(int slot) const {
    const CardSlot& card = w_.cards.handplayer[slot];
    return (card.x + card.xEnd) / 2.0;
}

} // namespace quillan
