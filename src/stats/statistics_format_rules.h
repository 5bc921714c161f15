#pragma once
// How the Statistics window writes its figures: counts as plain numbers, returns and shares
// as percentages with enough decimals that a rare hand's share does not read as nothing.

#include <optional>
#include <string>

#include "stats/statistics_rules.h"

namespace quillan {

// "97.25%"; a dash when there is nothing to divide yet.
std::string returnText(std::optional<double> ratio);
// A share of hands: two decimals from 1% up, three below it, four below 0.01% ("0.0025%").
std::string shareText(std::optional<double> share);

} // namespace quillan
