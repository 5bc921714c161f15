#pragma once
// The lines of the arena's text protocol with an outside player: cards as rank and suit
// ("Td", "As"), the engine's messages built from what the seat may see, and the player's
// answers read and checked against the seat's view before the table is asked.

#include <optional>
#include <string>
#include <string_view>

#include "gin/seat_view_rules.h"

namespace quillan::arena {

// "A".."K" plus "c", "d", "h", "s"; value = (rank - 1) * 4 + suit.
std::string cardText(int cardvalue);
// The card value of such a text, or -1.
int parseCard(std::string_view text);

// "newhand variant=... limit=... leads=you|opponent hand=..,.. upcard=.."
std::string newHandLine(const SeatView& view);
// "opponent takes Xx", "opponent draws", "opponent discards Xx" or "you draw Xx"; nothing
// for the seat's own take from the reject pile and its own discards, which it chose.
std::optional<std::string> eventLine(const SeatEvent& event);
// "end result=knock|gin|undercut|tie winner=you|opponent|none points=n" (this seat's points).
std::string endLine(const SeatResult& result);

// A player's answer: a move the table will accept, or why not.
template <typename Choice> struct Answer {
    std::optional<Choice> choice;
    std::string reason; // when there is no choice
};

// "stock" or "reject".
Answer<DrawChoice> readDrawAnswer(std::string_view line, const SeatView& view);
// "discard Xx", "knock" or "gin".
Answer<TurnChoice> readTurnAnswer(std::string_view line, const SeatView& view);

} // namespace quillan::arena
