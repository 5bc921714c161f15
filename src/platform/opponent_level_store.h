#pragma once
// The player's choice of computer opponent, kept in the settings file beside the
// preferences in a section of its own ("Opponent", key "Level": standard, strong or expert).

#include <string>

namespace quillan {

std::string readOpponentLevel(); // empty when nothing is stored
void writeOpponentLevel(const std::string& level);

} // namespace quillan
