#pragma once
// Small pieces the Gin Rummy procedures of the main window share: list conversions, the
// reject pile and deal pile pictures, the rule variant in force and the score panel.

#include <QPoint>
#include <span>

#include "app/frm_main.h"
#include "rummy/knock_rules.h"
#include "rummy/scoring_rules.h"

namespace quillan {

inline std::span<const CardSlot> slotsOf(const Hand& hand) {
    return {hand.begin(), hand.end()};
}
inline std::span<const CardSlot> tenSlotsOf(const Hand& hand) {
    return slotsOf(hand).first(10);
}

// An analysis result list as the window keeps it, and back (empty entries are left out).
Pile pileFrom(const CardList& list);
CardList listFrom(const Pile& pile);

// True when `cardvalue` is a real card (rank above 0) of the list.
bool pileHolds(const Pile& pile, int16 cardvalue);

// A Gin Rummy click must wait: the computer is playing, a deal is running, or the table
// shows Video Poker.
bool rummyBusy(const FrmMain& w);

RummyVariant currentVariant(const FrmMain& w);

// The value of the reject pile's top card, or -1 while it is empty.
int rejectTopValue(const FrmMain& w);

// Where the top card of a reject pile of `cards` cards lies on the table.
QPoint rejectTopPlace(const FrmMain& w, long cards);

// Repaints the reject pile's top three cards and shows it.
void redrawRejectPile(FrmMain& w);

// Shows the deal pile picture that matches the cards left in the stock.
void showDeckStage(FrmMain& w);

// Paints one card (face, back or highlighted face) into a one-card surface at (0, 0).
void paintOneCard(FrmMain& w, Surface& place, int32 card, int32 mode);

// Writes the panel's labels (the result sound of an undercut computer after lblUndercut).
void fillScorePanel(FrmMain& w, const ScorePanel& panel);

} // namespace quillan
