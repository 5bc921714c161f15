#pragma once
// Offering new scores to the top-score tables.
//
// The main window calls this at the end of every perfect-play run (with prfvidPokPerfPlay
// holding the run) and once when it unloads (after prfvidPokMoney was taken from the credit
// meter):
//   RecordTopScores(platform, prfPlayerBank, prfvidPokPerfPlay, prfvidPokMoney);
// It has no error trap of its own: a stats.dat that cannot be written raises ProgramError,
// which the calling procedure's trap reports. The tables in memory are updated either way.

#include "common/int16.h"
#include "platform/platform.h"
#include "scores/score_table_rules.h"

namespace quillan {

// Three passes, in order: the Gin Rummy bank (entries 0..2), the strategy run (3..5) and the
// winnings (6..8). In each, a score that strictly beats an entry asks for a name through the
// input box (that place's prompt, title "Congratulations", default "anonymous"); an empty
// answer leaves the table as it was, any other answer enters the name and score. After an
// entry in the strategy table prfvidPokPerfPlay is cleared. Then stats.dat is rewritten whole.
void RecordTopScores(Platform& platform, ScoreTable& table, int16 prfPlayerBank,
                     int16& prfvidPokPerfPlay, int16 prfvidPokMoney);

// The same on the program's scoreTable.
void RecordTopScores(Platform& platform, int16 prfPlayerBank, int16& prfvidPokPerfPlay,
                     int16 prfvidPokMoney);

} // namespace quillan
