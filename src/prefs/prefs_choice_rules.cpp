#include "prefs/prefs_choice_rules.h"

namespace quillan {

VariantFlags flagsForVariant(Variant chosen, int16 currentMaxDeadwood) {
    VariantFlags f;
    switch (chosen) {
    case Variant::Simple:
        f.prfOpQN = kTrue;
        f.MAXDEADWOOD = 0;
        break;
    case Variant::Standard:
        f.prfOpStandard = kTrue;
        f.MAXDEADWOOD = 10;
        break;
    case Variant::Oklahoma:
        f.prfOpOklahoma = kTrue;
        f.MAXDEADWOOD = currentMaxDeadwood;
        break;
    }
    return f;
}

std::optional<GameBack> backForChoice(int position, std::string_view entry,
                                      const GameBack& current) {
    if (position < 0) {
        return std::nullopt;
    }
    if (position < kBackDesignCount) {
        const int32 design = kFirstBackDesign + position;
        // A custom picture in use is replaced even when the design number still matches.
        if (design == current.design && !isSet(current.isCustom)) {
            return std::nullopt;
        }
        return GameBack{design, kFalse, {}};
    }
    if (entry.empty() || (entry == current.customName && isSet(current.isCustom))) {
        return std::nullopt;
    }
    return GameBack{-1, kTrue, std::string(entry)};
}

} // namespace quillan
