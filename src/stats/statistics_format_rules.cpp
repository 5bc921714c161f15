#include "stats/statistics_format_rules.h"

#include <cstdio>

namespace quillan {

namespace {

constexpr const char* kNothingYet = "\u2013";

std::string percent(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, value);
    return text;
}

} // namespace

std::string returnText(std::optional<double> ratio) {
    return ratio ? percent(*ratio * 100.0, 2) : kNothingYet;
}

std::string shareText(std::optional<double> share) {
    if (!share) {
        return kNothingYet;
    }
    const double value = *share * 100.0;
    const int decimals = value >= 1.0 || value == 0.0 ? 2 : value >= 0.01 ? 3 : 4;
    return percent(value, decimals);
}

} // namespace quillan
