#pragma once
// Playing from the keyboard. Video Poker: 1 to 5 hold or release cards 1 to 5 while a dealt
// hand waits for its draw; Enter or Space deals or draws. Gin Rummy: D takes from the Deck,
// R from the Reject stack, K knocks; Left and Right choose a card of the hand (and the drawn
// card while a discard is due), Home and End send it to an end before taking, Enter or Space
// discards it; once a hand has ended, Enter or Space presses the score panel's "Play Again".
// Each key makes the calls the matching mouse click or menu command makes.
//
// While a deal, a draw, a card move or the computer's turn is being played out, the keys do
// nothing. The table reads no input while it moves a card, so keys pressed then arrive only
// afterwards; they are recognised by the window system's time stamp and dropped as well.
//
// The object is owned by the main window (Qt parent) and watches the application's events,
// acting only on those sent to the main window's own widgets.

#include <QObject>
#include <QPoint>

#include "table/hand_keys.h"
#include "table/key_timing_rules.h"

class QKeyEvent;

namespace quillan {

class FrmMain;

class KeyboardPlay : public QObject {
    Q_OBJECT

  public:
    explicit KeyboardPlay(FrmMain& window);

    // The card chosen from the keyboard in Gin Rummy (see HandKeys::chosen).
    int chosenCard() const { return hand_.chosen(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool forThisWindow(QObject* watched) const;
    bool tableBusy() const;
    bool keyEvent(QKeyEvent& key, bool shortcutOverride);
    void act(int key);
    void pokerKey(int key);
    void rummyKey(int key);
    void tableRepainted();
    void pointerMoved(QPoint global);

    FrmMain& w_;
    HandKeys hand_;
    KeyTiming timing_;
    bool acting_ = false; // a key's action is being played out
    QPoint pointer_;
};

} // namespace quillan
