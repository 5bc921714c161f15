#pragma once
// stats.dat, the file of the top-score tables: ten records of 22 bytes, record n (1..10) at
// byte (n - 1) * 22 holding table entry n - 1; 220 bytes, no header, no checksum.
//   bytes 0..19  the name (see score_name_rules.h), blank-padded, no terminator
//   bytes 20..21 the score, 16-bit signed, little-endian

#include <array>
#include <cstdint>
#include <span>

#include "scores/score_table_rules.h"

namespace quillan {

inline constexpr int kRecordLength = 22;
inline constexpr int kStatsFileLength = kRecordLength * kScoreEntries;
using StatsBytes = std::array<std::uint8_t, kStatsFileLength>;

StatsBytes encodeStatsFile(const ScoreTable& table);

// The table a file's contents give. Tolerant of any bytes: every whole record present is
// loaded exactly (encodeStatsFile gives its bytes back), entries without a whole record take
// their defaults, and anything past the tenth record is left out. Empty contents give the
// default tables.
ScoreTable decodeStatsFile(std::span<const std::uint8_t> bytes);

} // namespace quillan
