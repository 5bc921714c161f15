#pragma once
// The three top-three tables, kept in one array of ten entries shared by the main window and
// the Top Scores window:
//   entries 0..2  Gin Rummy (the player's bank), best first
//   entries 3..5  Video Poker strategy (longest run of perfectly played hands)
//   entries 6..8  Video Poker winnings (the credit meter at exit)
//   entry 9       never filled; written and read back unchanged
//
// A new score enters a table when it is strictly greater than an entry's score; the entries
// below move down one place and the third drops out. RecordTopScores (record_top_scores.h)
// runs the three passes with the player's name prompts; this header holds the decisions.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/checked_array.h"
#include "common/int16.h"

namespace quillan {

struct ScoreEntry {
    std::string name; // UTF-8; see score_name_rules.h for how it is cut, padded and stored
    int16 score = 0;
    bool operator==(const ScoreEntry&) const = default;
};

inline constexpr int kScoreEntries = 10;
using ScoreTable = FixedArray<ScoreEntry, kScoreEntries>;

// The program's one table: loaded at start-up, updated by RecordTopScores, shown by the Top
// Scores window and the window caption.
extern ScoreTable scoreTable;

inline constexpr std::string_view kDefaultName = "anonymous";

// Entries 0..2 "anonymous" with 130, 3..5 with 20, 6..8 with 100 (names padded to 20);
// entry 9 is 20 blanks with score 0.
ScoreTable defaultScoreTable();

enum class ScorePass { GinRummy = 0, Strategy = 1, Winnings = 2 };
inline constexpr int kPlacesPerTable = 3;

// Index of the table's best entry: 0, 3 or 6.
int firstEntry(ScorePass pass);

// The entry `score` would take: the first of the pass's three, best first, whose score it
// strictly beats. Nothing when it beats none (a tie does not enter).
std::optional<int> placeFor(const ScoreTable& table, ScorePass pass, int16 score);

// The prompt for a new score at `entry` (one of the pass's three entries).
std::string_view scorePrompt(ScorePass pass, int entry);

// Moves the entries below `entry` down one place within its table (the third is dropped) and
// puts (fitName(name), score) at `entry`.
void enterScore(ScoreTable& table, int entry, std::string_view name, int16 score);

// One pass: when `score` earns a place, asks for a name with that place's prompt; an empty
// answer leaves the table unchanged. Returns true when an entry was made.
using AskName = std::function<std::string(std::string_view prompt)>;
bool runScorePass(ScoreTable& table, ScorePass pass, int16 score, const AskName& ask);

} // namespace quillan
