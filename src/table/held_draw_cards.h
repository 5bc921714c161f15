#pragma once
// The cards lying on the two draw spots of Gin Rummy while the table is laid out again (a
// new background, a new card spacing): the rebuild hides every card place, and whatever a
// side still holds on its spot is painted back there, where it was in play.

namespace quillan {

class FrmMain;

struct HeldDrawCards {
    bool player = false;   // the card the player has taken and not yet thrown
    bool computer = false; // the card the computer has taken (shown after its gin too)
};

// What the spots show now; read before the rebuild hides them. Nothing in Video Poker.
HeldDrawCards heldDrawCards(const FrmMain& w);

// Paints the held cards onto their spots of the rebuilt table and shows them: the player's
// face up, the computer's face up when its hand is shown or the hand is over, else as a back.
void repaintHeldDrawCards(FrmMain& w, const HeldDrawCards& held);

} // namespace quillan
