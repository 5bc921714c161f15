#pragma once
// The computer's turn at a level other than Standard: the level is shown the computer's seat
// as the window holds it and chooses the draw, whether to take a knock the analysis allows,
// and the card thrown. The window's own steps (the judgement of the reject card, the pauses,
// the animations, the scoring) stay as they are; at Standard none of this is asked.

#include <optional>

#include "gin/seat_view_rules.h"
#include "rummy/computer_rules.h"

namespace quillan {

class FrmMain;

// A hand was dealt and both hands analysed: the hand takes the chosen level.
void startLevelHand(FrmMain& w);

// The computer's seat as the window holds it now; `holding`: it has taken its card, and the
// analysis after the draw allowed `action`.
SeatView computerSeatView(const FrmMain& w, bool holding, ComputerAction action);

// The level's draw, asked before the reject card is judged; nothing at Standard (or when the
// answer was dropped): the judgement decides.
std::optional<DrawChoice> levelDraw(FrmMain& w);

// The analysis after the draw allows `action` (a knock or gin): whether the computer takes
// it. At Standard it always does; a level that declines names the card it throws instead.
bool levelTakesKnock(FrmMain& w, ComputerAction action);

// The slot (0..10) the level throws from; nothing at Standard.
std::optional<int> levelDiscardSlot(FrmMain& w);

} // namespace quillan
