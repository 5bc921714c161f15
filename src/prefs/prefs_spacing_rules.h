#pragma once
// The card spacing box of the Preferences, and moving the cards of a hand when the spacing
// changes while a hand is on the table.

#include <string_view>

#include "cards/card_slot.h"

namespace quillan {

inline constexpr int16 kMinCardSpace = 10;
inline constexpr int16 kMaxCardSpace = 40;

struct SpacingEntry {
    enum class Kind {
        Keep,   // the box holds no number (empty, "abc", "12px"): the spacing stays as it is
        Accept, // a number 10..40: `spacing` is the new value
        Refuse  // any other number: the player is told and the box is emptied
    };
    Kind kind = Kind::Keep;
    int16 spacing = 0;
};

// A number (decimal rounded to the nearest whole, halves to even, or &H hexadecimal; blanks
// around it allowed) is accepted in 10..40 and refused outside; any text that is no number
// keeps the spacing.
SpacingEntry checkCardSpacing(std::string_view text);

// Moves slots 0..9 of a hand laid out with `oldSpacing` to the same arrangement at
// `newSpacing`: each left edge scales with the spacing; a clickable part that reaches the
// next card scales too, while one a whole card wide (the last card) keeps its width.
// Slot 10 and the heights are left alone. Nothing happens for a spacing of 0 or less.
void rescaleHand(Hand& hand, int oldSpacing, int newSpacing, int32 cardWidth);

} // namespace quillan
