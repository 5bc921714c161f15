#pragma once
// Credits the player's waiting hand score (banks.handScore) to the player's bank, as
// UpdateBank does; also run when the window unloads, so a hand won just before leaving
// counts in the bank offered to the top-score table.

namespace quillan {

class FrmMain;

void creditHandScore(FrmMain& w);

} // namespace quillan
