#pragma once
// The statistics file's text: a first line "version=1", then one "key=value" line per figure,
// values as plain decimal numbers. Reading accepts any bytes: anything that is not a record
// of this version (a stray byte, an unknown key, a key twice, a number out of range, a
// current streak above the longest) is refused with a short reason, never half-read.

#include <optional>
#include <string>
#include <string_view>

#include "stats/statistics_rules.h"

namespace quillan {

inline constexpr int kStatisticsVersion = 1;
// A longer text is not a record of ours.
inline constexpr std::size_t kMaxStatisticsBytes = 64 * 1024;

std::string statisticsText(const StatisticsRecord& record);

struct StatisticsParse {
    std::optional<StatisticsRecord> record;
    std::string problem; // why the text was refused; empty when read
};

// Keys missing from the text count 0.
StatisticsParse parseStatistics(std::string_view text);

} // namespace quillan
