#pragma once
// The text of "Save Position": both hands, slot by slot, for a bug report, and the message
// that tells the player where the file went.

#include <string>
#include <string_view>

#include "cards/card_slot.h"

namespace quillan {

// The player's hand, then the computer's: one line per slot 0..10, each
// "handplayer(i).cardvalue = v" or "handComputer(i).cardvalue = v". Lines end with "\n".
std::string positionDumpText(const Hand& handplayer, const Hand& handComputer);

// Where bug reports go.
inline constexpr std::string_view kBugReportAddress = "quillan-bugs@example.org";

// "Position saved to.. ", the file's full path, and how to send it in.
std::string positionSavedMessage(std::string_view path);

} // namespace quillan
