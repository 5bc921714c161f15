#include "scores/score_table_rules.h"

#include <array>

#include "scores/score_name_rules.h"

namespace quillan {

ScoreTable scoreTable = defaultScoreTable();

namespace {

constexpr std::array<int16, 3> kDefaultScores{130, 20, 100};

constexpr std::array<std::array<std::string_view, kPlacesPerTable>, 3> kPrompts{{
    {"You have the top Gin-Rummy score. Please enter your name",
     "You have the second highest  Gin-Rummy score. Please enter your name",
     "You have the 3rd highest  Gin-Rummy score. Please enter your name"},
    {"You have the top Video Poker strategy score. Please enter your name",
     "You have the second highest Video Poker strategy score. Please enter your name",
     "You have the 3rd highest Video Poker strategy score. Please enter your name"},
    {"You have the top Video Poker Winnings score. Please enter your name",
     "You have the second highest Video Poker Winnings score. Please enter your name",
     "You have the 3rd highest Video Poker Winnings score. Please enter your name"},
}};

int passIndex(ScorePass pass) {
    return static_cast<int>(pass);
}

} // namespace

ScoreTable defaultScoreTable() {
    ScoreTable table;
    for (int i = 0; i < 9; ++i) {
        table[i] = {fitName(kDefaultName), kDefaultScores[static_cast<std::size_t>(i / 3)]};
    }
    table[9] = {fitName(""), 0};
    return table;
}

int firstEntry(ScorePass pass) {
    return passIndex(pass) * kPlacesPerTable;
}

std::optional<int> placeFor(const ScoreTable& table, ScorePass pass, int16 score) {
    const int first = firstEntry(pass);
    for (int e = first; e < first + kPlacesPerTable; ++e) {
        if (score > table[e].score) {
            return e;
        }
    }
    return std::nullopt;
}

std::string_view scorePrompt(ScorePass pass, int entry) {
    const int place = entry - firstEntry(pass);
    if (place < 0 || place >= kPlacesPerTable) {
        raiseSubscriptOutOfRange();
    }
    return kPrompts[static_cast<std::size_t>(passIndex(pass))][static_cast<std::size_t>(place)];
}

void enterScore(ScoreTable& table, int entry, std::string_view name, int16 score) {
    const int last = (entry / kPlacesPerTable) * kPlacesPerTable + kPlacesPerTable - 1;
    for (int e = last; e > entry; --e) {
        table[e] = table[e - 1];
    }
    table[entry] = {fitName(name), score};
}

bool runScorePass(ScoreTable& table, ScorePass pass, int16 score, const AskName& ask) {
    const auto entry = placeFor(table, pass, score);
    if (!entry) {
        return false;
    }
    const std::string answer = ask(scorePrompt(pass, *entry));
    if (answer.empty()) {
        return false;
    }
    enterScore(table, *entry, answer, score);
    return true;
}

} // namespace quillan
