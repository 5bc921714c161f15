#pragma once
// After the Preferences close: a card spacing typed in the dialog lays the Gin Rummy table
// out again at the spacing now set, with the hand being played kept where it is.

namespace quillan {

class FrmMain;

// Does nothing unless spaceChanged is set and Gin Rummy is on the table with no deal or
// computer turn under way; during a deal or a computer turn spaceChanged stays set for the
// next time, in Video Poker it is cleared (the flag belongs to the dialog that set it).
void applyCardSpacingChange(FrmMain& w);

} // namespace quillan
