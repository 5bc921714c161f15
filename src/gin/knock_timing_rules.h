#pragma once
// When a player that knows the table's scoring knocks: early in a hand with what the table
// allows, later only with a hand of no deadwood. The table's undercut costs a knocker 25 and
// the difference and gives the defender nothing, so a low hand held against a quick knocker
// is worth more than a knock the other side can answer.

#include "gin/seat_view_rules.h"

namespace quillan {

// The most deadwood to knock with after `draws` cards have been taken in the hand: what the
// table allows at first, two points less with every card taken from the third on, and from
// the seventh none.
int knockLimitAfter(int draws);

// Whether to take a knock the table allows now (the hand's deadwood by the table's analysis).
bool timelyKnock(const SeatView& view);

} // namespace quillan
