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

// Writes all ten records; anything the old file held past them follows unchanged. A record
// read from the file and not changed since is written back with the bytes read (see
// score_name_rules.h). The new contents replace the old file only once they are wholly
// written, so a failure part-way (a full disk, a crash) leaves the previous file as it was.
// Raises ProgramError ("Path/File access error" when the file cannot be created,
// "Device I/O error" when writing fails) for the caller's error trap.
void writeStatsFile(const QString& programFolder, const ScoreTable& table);

// Removes the temporary files a write left behind when the program was killed before it
// could replace stats.dat with them (stats.dat.XXXXXX, six letters or digits).
void removeStaleStatsTemporaries(const QString& programFolder);

// Start-up: stale temporaries removed, then scoreTable = readStatsFile(programFolder).
void loadScoreTable(const QString& programFolder);

} // namespace quillan
