#include "stats/statistics_file_rules.h"

#include <map>
#include <span>
#include <vector>

namespace quillan {

namespace {

constexpr std::array<const char*, kRummyVariantCount> kVariantKeys{"simple", "standard",
                                                                   "oklahoma"};
constexpr std::array<const char*, kRummyResultCount> kResultKeys{
    "won.knock", "won.gin", "won.undercut", "lost.knock", "lost.gin", "lost.undercut", "ties"};

// Every figure of the record under its key, in the order the file lists them.
template <typename Rummy, typename Visit>
void eachRummyFigure(Rummy& r, const std::string& prefix, Visit& visit) {
    for (std::size_t k = 0; k < r.hands.size(); ++k) {
        visit(prefix + kResultKeys[k], r.hands[k]);
    }
    visit(prefix + "points.won", r.pointsWon);
    visit(prefix + "points.lost", r.pointsLost);
    visit(prefix + "streak.current", r.currentStreak);
    visit(prefix + "streak.longest", r.longestStreak);
}

template <typename Record, typename Visit> void eachFigure(Record& record, Visit&& visit) {
    for (std::size_t v = 0; v < record.rummy.size(); ++v) {
        eachRummyFigure(record.rummy[v], std::string("rummy.") + kVariantKeys[v] + ".", visit);
    }
    // The levels' figures came later: a file without them reads as no hands at any level.
    for (std::size_t l = 0; l < record.byOpponent.size(); ++l) {
        eachRummyFigure(record.byOpponent[l],
                        std::string("rummy.opponent.") + kOpponentLevelKeys[l] + ".", visit);
    }
    auto& p = record.poker;
    visit("poker.credits.bet", p.creditsBet);
    visit("poker.credits.won", p.creditsWon);
    visit("poker.run.longest", p.longestRun);
    for (std::size_t g = 0; g < p.finalHands.size(); ++g) {
        const int category = kFinalGroups[g].category;
        visit(category == 0 ? std::string("poker.final.none")
                            : "poker.final." + std::to_string(category),
              p.finalHands[g]);
    }
    for (std::size_t i = 0; i < p.refused.size(); ++i) {
        visit("poker.refused." + std::to_string(i + 1), p.refused[i]);
    }
    // Added later: a file written before these keys existed reads them as 0.
    for (std::size_t i = 0; i < p.drawnOtherwise.size(); ++i) {
        visit("poker.otherwise." + std::to_string(i + 1), p.drawnOtherwise[i]);
    }
}

std::optional<Count> parseCount(std::string_view text) {
    if (text.empty() || text.size() > 15) {
        return std::nullopt;
    }
    Count value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value; // 15 digits never pass kMaxCount
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

StatisticsParse refused(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

std::string lineProblem(std::size_t index, const char* what) {
    return "line " + std::to_string(index + 1) + " " + what;
}

} // namespace

std::string statisticsText(const StatisticsRecord& record) {
    std::string text = "version=" + std::to_string(kStatisticsVersion) + "\n";
    eachFigure(record, [&text](const std::string& key, Count value) {
        text += key + "=" + std::to_string(value) + "\n";
    });
    return text;
}

StatisticsParse parseStatistics(std::string_view text) {
    if (text.size() > kMaxStatisticsBytes) {
        return refused("it is too long");
    }
    const std::vector<std::string_view> lines = linesOf(text);
    const std::string version = "version=" + std::to_string(kStatisticsVersion);
    if (lines.empty() || lines.front() != version) {
        return refused("it does not begin with " + version);
    }
    StatisticsRecord record;
    std::map<std::string, Count*, std::less<>> slots;
    eachFigure(record, [&slots](const std::string& key, Count& value) { slots[key] = &value; });
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return refused(lineProblem(i, "is not a figure"));
        }
        const auto slot = slots.find(line.substr(0, equals));
        if (slot == slots.end()) {
            return refused(lineProblem(i, "names no figure"));
        }
        const std::optional<Count> value = parseCount(line.substr(equals + 1));
        if (!value) {
            return refused(lineProblem(i, "holds no count"));
        }
        if (slot->second == nullptr) {
            return refused(lineProblem(i, "repeats a figure"));
        }
        *slot->second = *value;
        slot->second = nullptr;
    }
    for (const auto& records : {std::span<const RummyRecord>(record.rummy),
                                std::span<const RummyRecord>(record.byOpponent)}) {
        for (const RummyRecord& r : records) {
            if (r.currentStreak > r.longestStreak) {
                return refused("a winning streak is longer than the longest");
            }
        }
    }
    return {record, {}};
}

} // namespace quillan
