#pragma once
// The statistics file on disk: "statistics.txt" in the user's data folder. It is written
// whole or not at all (a failed write leaves the previous file as it was); a file that cannot
// be read as a record is renamed aside, never overwritten, and a fresh record starts. Before a
// reset the record is copied beside it, so a reset can be undone by hand.

#include <QString>

#include "stats/statistics_rules.h"

namespace quillan {

// The user's data folder for this program (~/.local/share/Quillan on Linux).
QString statisticsFolder();

inline constexpr const char* kStatisticsFileName = "statistics.txt";

struct StatisticsLoad {
    StatisticsRecord record; // fresh unless the file was read
    QString problem;         // why the file could not be read; empty when all was well
    QString setAsideAs;      // the name the unreadable file now has; empty if it could not move
};

class StatisticsStore {
  public:
    explicit StatisticsStore(QString folder);

    QString path() const;
    // A missing file is a fresh record and no problem. The temporaries a write killed
    // before its rename left behind ("statistics.txt.XXXXXX") are removed first.
    StatisticsLoad load() const;
    // False when the file could not be written; the previous one is then unchanged.
    bool save(const StatisticsRecord& record) const;
    // Copies the file to "statistics.txt.before-reset-<date>-<time>" (numbered when that is
    // taken). True when the copy was made or there is no file to keep.
    bool keepBeforeReset() const;

  private:
    QString setAside() const;
    // The file's name with `kind` and the time added, numbered when taken; empty when the
    // numbers run out.
    QString unusedName(const QString& kind) const;

    QString folder_;
};

} // namespace quillan
