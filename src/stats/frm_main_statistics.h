#pragma once
// What the main window's procedures tell the record of play, each in one call from the
// place where it happens: a Gin Rummy hand scored on the panel or tied, a Video Poker hand
// drawn and paid.

#include "rummy/scoring_rules.h"

namespace quillan {

class FrmMain;

// The hand just scored (the computer's bank already holds its points, the player's wait
// in the panel's handScore).
void recordRummyEnding(FrmMain& w, const ScorePanel& panel);
void recordRummyTie(FrmMain& w);
// The hand just drawn, its final category in pokerType, the meter after the payout.
void recordPokerDraw(FrmMain& w);

} // namespace quillan
