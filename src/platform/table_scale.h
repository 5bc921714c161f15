#pragma once
// Draws the whole window (table, cards, menus, dialogs) at the player's table size. The
// size is handed to Qt as its scale factor, which it reads once, when the application is
// created, so this runs before that; a change of size shows at the next start.

#include <optional>
#include <utility>

namespace quillan {

// The screen's free area (without panels), asked of the X server; nothing when there is
// none to ask. Its pixels are the window's pixels at 100%: Qt on X11 scales a window only
// by the factors set in its environment, which leave the table size alone (see below).
std::optional<std::pair<int, int>> freeScreenArea();

// Call before the application exists. Sets the scale for the stored table size and returns
// its percentage (100 when nothing is scaled). A scale the player set in the environment
// (QT_SCALE_FACTOR) that can draw the window is left alone, and 0 is returned: the table
// size does not apply. One that cannot (scale_factor_rules.h) is removed, with one line on
// standard error, and the table size applies.
int applyTableSize();

} // namespace quillan
