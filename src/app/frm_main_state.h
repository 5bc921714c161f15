#pragma once
// The game state the main window owns, grouped by subsystem. Every procedure of the window
// reads and writes these directly; the names are the ones used throughout the program.

#include "cards/card_slot.h"
#include "common/int16.h"
#include "poker/poker_advisor_rules.h"

namespace quillan {

// The cards of the table and their geometry.
struct CardState {
    Deck deck;         // the 52 cards in shuffled order
    Hand handComputer; // slots 0..9, slot 10 the card the computer has just taken
    Hand handplayer;   // slots 0..9, slot 10 the card the player has just drawn
    Pile stock;        // face down ("the Deck"); top card at the upper bound
    Pile rejectPile;   // face up ("the Reject stack"); slot 0 never holds a card
    int32 cWidth = 0;  // card size from the card library
    int32 cHeight = 0;
    int16 cardSpacing = 0; // left edge to left edge of neighbouring cards in a hand
    int16 handTop = 0;     // top of the player's cards inside the player's hand picture
};

// Turn and deal flags of a Gin Rummy hand.
struct TurnFlags {
    int16 playerHoldsDraw = kFalse; // the player holds eleven cards and must discard
    int16 computerTurn = kFalse;    // the computer is playing its turn
    int16 handOver = kFalse;        // a knock, gin or tie has ended the hand
    int16 stockExhausted = kFalse;  // a draw has left two cards in the stock
    int16 dealPending = kFalse;     // the next table redraw runs the deal animation
    int16 gameStarted = kFalse;     // the player has discarded in this hand
    int16 dealInProgress = kFalse;  // a new hand is being dealt; hands are not drawn yet
};

// Gin Rummy analysis results and per-hand counters.
struct RummyState {
    int16 MAXDEADWOOD = 10; // deadwood limit for knocking
    Pile playerUnmatched;
    Pile computerUnmatched;
    int16 peekCount = 0; // peeks used in this hand
};

// Running Gin Rummy scores; both start at 0 in every run.
struct Banks {
    int16 prfComputerBank = 0;
    int16 prfPlayerBank = 0;
    int16 handScore = 0; // the player's points of the last hand, credited by UpdateBank
};

// Video Poker state.
struct PokerState {
    int16 pokerBusy = kFalse;       // a deal or draw is being played out
    int16 dealRightToLeft = kFalse; // the next deal runs from card 4 to card 0
    // Card values: 0..4 are dealt, 5..9 replace them (position i draws pokerDeck(i + 5)).
    FixedArray<int16, 52> pokerDeck{};
    PokerHand pokerHand{};           // the five cards on the table
    PokerHeld pokerHeld{};           // -1: card i is held
    int16 pokerDrawPending = kFalse; // a dealt hand waits for holds and the draw
    int16 pokerType = 0;             // category of the dealt hand, then of the final hand
};

// Values that keep their value from one call of a procedure to the next.
struct KeptFlags {
    int16 firstInitDone = kFalse;    // FirstInit has started the saved game
    int16 playerStartsNext = kFalse; // who opens the next Gin Rummy hand
    int16 discardHintShown = kFalse; // "Click a card to discard" has been shown once
    int16 welcomeShown = kFalse;     // the first deal has shown its welcome line
};

} // namespace quillan
