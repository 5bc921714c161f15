#pragma once
// The player's Gin Rummy hand from the keyboard: the card chosen with Left and Right, sent
// to an end of the hand with Home and End before taking, and discarded with Enter or Space
// while a discard is due. Every move is made with the calls a mouse click on that card
// makes. While a discard is due the chosen card is drawn raised, as under the pointer; the
// drawn card and the cards before taking show a small marker instead.

#include "common/int16.h"

class QWidget;

namespace quillan {

class FrmMain;
class KeyMarker;

class HandKeys {
  public:
    // The marker is a child of `table` (Qt ownership).
    HandKeys(FrmMain& window, QWidget* table);

    void step(int by);             // -1: Left, +1: Right
    void sendToEnd(bool rightEnd); // Home: false, End: true
    void discard();                // Enter or Space
    // The pointer moved or the table was busy: the choice is dropped.
    void forget();
    // The table was repainted: a marker that no longer fits the turn goes.
    void tableRepainted();

    // 0..9 a slot of the hand, 10 the drawn card, -1 nothing chosen from the keyboard.
    int chosen() const { return chosen_; }

  private:
    enum class Stage { None, ToTake, ToDiscard };
    Stage stage() const;
    int current(Stage s) const;
    void show();
    double slotCentre(int slot) const;

    FrmMain& w_;
    KeyMarker* marker_;
    int chosen_ = -1;
    Stage chosenIn_ = Stage::None;
};

} // namespace quillan
