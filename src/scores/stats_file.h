#pragma once
// Reading and writing stats.dat in the program folder.

#include <QString>

#include "scores/score_table_rules.h"

namespace quillan {

inline constexpr const char* kStatsFileName = "stats.dat";

QString statsFilePath(const QString& programFolder);

// The tables stats.dat holds. A missing, empty or unreadable file gives the default tables; a
// short or damaged one gives every whole record it has and defaults for the rest. Never
// raises and never writes.
ScoreTable readStatsFile(const QString& programFolder);

// Writes all ten records. The new contents replace the old file only once they are wholly
// written, so a failure part-way (a full disk, a crash) leaves the previous file as it was.
// Raises ProgramError ("Path/File access error" when the file cannot be created,
// "Device I/O error" when writing fails) for the caller's error trap.
void writeStatsFile(const QString& programFolder, const ScoreTable& table);

// Start-up: scoreTable = readStatsFile(programFolder).
void loadScoreTable(const QString& programFolder);

} // namespace quillan
