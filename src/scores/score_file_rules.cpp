#include "scores/score_file_rules.h"

#include <algorithm>

#include "scores/score_name_rules.h"

namespace quillan {

namespace {

constexpr std::size_t kRecord = kRecordLength;

void encodeRecord(const ScoreEntry& entry, std::uint8_t* out) {
    const NameField name = encodeName(entry.name);
    std::copy(name.begin(), name.end(), out);
    const auto score = static_cast<std::uint16_t>(entry.score);
    out[kNameLength] = static_cast<std::uint8_t>(score & 0xFF);
    out[kNameLength + 1] = static_cast<std::uint8_t>(score >> 8);
}

ScoreEntry decodeRecord(std::span<const std::uint8_t> record) {
    NameField name;
    std::copy_n(record.begin(), kNameLength, name.begin());
    const auto score =
        static_cast<std::uint16_t>(record[kNameLength] | (record[kNameLength + 1] << 8));
    return {decodeName(name), static_cast<int16>(score)};
}

} // namespace

StatsBytes encodeStatsFile(const ScoreTable& table) {
    StatsBytes bytes{};
    for (int i = 0; i < kScoreEntries; ++i) {
        encodeRecord(table[i], bytes.data() + static_cast<std::size_t>(i) * kRecord);
    }
    return bytes;
}

ScoreTable decodeStatsFile(std::span<const std::uint8_t> bytes) {
    ScoreTable table = defaultScoreTable();
    const std::size_t whole = std::min<std::size_t>(bytes.size() / kRecord, kScoreEntries);
    for (std::size_t i = 0; i < whole; ++i) {
        table[static_cast<long>(i)] = decodeRecord(bytes.subspan(i * kRecord, kRecord));
    }
    return table;
}

} // namespace quillan
