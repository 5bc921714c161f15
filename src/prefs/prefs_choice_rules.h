#pragma once
// What the Preferences' Save makes of the rule variant and the card back chosen.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/int16.h"

namespace quillan {

// The back designs 53..65 by name, in list order: position i is design 53 + i.
inline constexpr int32 kFirstBackDesign = 53;
inline constexpr std::array<std::string_view, 13> kBackDesignNames = {
    "Hatch",    "Plaid",    "Weave", "Robot",  "Roses", "IvyBlack", "IvyBlue",
    "FishCyan", "FishBlue", "Shell", "Castle", "Beach", "Sleeve"};
inline constexpr int kBackDesignCount = static_cast<int>(kBackDesignNames.size());

enum class Variant { Simple, Standard, Oklahoma };

struct VariantFlags {
    int16 prfOpQN = kFalse;
    int16 prfOpStandard = kFalse;
    int16 prfOpOklahoma = kFalse;
    int16 MAXDEADWOOD = 0;
};

// The three flags for the chosen variant; the knock limit becomes 0 for Simple and 10 for
// Standard, and Oklahoma keeps `currentMaxDeadwood` until its next deal sets it.
VariantFlags flagsForVariant(Variant chosen, int16 currentMaxDeadwood);

// One game's card back: a design 53..65, or a custom picture (design -1) by file name.
struct GameBack {
    int32 design = kFirstBackDesign;
    int16 isCustom = kFalse;
    std::string customName;
    bool operator==(const GameBack&) const = default;
};

// The back after choosing list position `position` (its text `entry`), or nothing when
// the choice is the back already in use (or no position is selected).
std::optional<GameBack> backForChoice(int position, std::string_view entry,
                                      const GameBack& current);

} // namespace quillan
