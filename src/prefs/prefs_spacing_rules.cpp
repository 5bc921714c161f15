#include "prefs/prefs_spacing_rules.h"

#include "app/text_number_rules.h"
#include "common/rounding.h"

namespace quillan {

namespace {

int32 scaled(int32 value, int oldSpacing, int newSpacing) {
    return checked32(roundToInt(static_cast<double>(value) * newSpacing / oldSpacing));
}

} // namespace

SpacingEntry checkCardSpacing(std::string_view text) {
    const auto number = numberFromText(text);
    if (!number) {
        return {};
    }
    if (*number < kMinCardSpace || *number > kMaxCardSpace) {
        return {SpacingEntry::Kind::Refuse, 0};
    }
    return {SpacingEntry::Kind::Accept, static_cast<int16>(*number)};
}

void rescaleHand(Hand& hand, int oldSpacing, int newSpacing, int32 cardWidth) {
    if (oldSpacing <= 0 || newSpacing <= 0 || oldSpacing == newSpacing) {
        return;
    }
    for (int k = 0; k < 10; ++k) {
        CardSlot& slot = hand[k];
        const int32 width = slot.xEnd - slot.x;
        const int32 oldEnd = slot.xEnd;
        slot.x = scaled(slot.x, oldSpacing, newSpacing);
        slot.xEnd = width >= cardWidth ? slot.x + width : scaled(oldEnd, oldSpacing, newSpacing);
    }
}

} // namespace quillan
