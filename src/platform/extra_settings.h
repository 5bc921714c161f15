#pragma once
// Settings beyond the Preferences: each in a section of its own ("Display/TableSize",
// "Opponent/Level") of the same file, ~/.config/Quillan/Quillan.ini, written at once.

#include <string>

namespace quillan {

std::string readExtraSetting(const char* key);
void writeExtraSetting(const char* key, const std::string& text);

} // namespace quillan
