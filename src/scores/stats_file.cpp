#include "scores/stats_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <span>

#include "common/program_error.h"
#include "platform/program_paths.h"
#include "platform/save_file_temporaries.h"
#include "scores/score_file_rules.h"

namespace quillan {

QString statsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QString::fromLatin1(kStatsFileName));
}

ScoreTable readStatsFile(const QString& programFolder) {
    QFile file(statsFilePath(programFolder));
    if (!file.open(QIODevice::ReadOnly)) {
        return defaultScoreTable();
    }
    const QByteArray contents = file.read(kStatsFileLength);
    const auto* data = reinterpret_cast<const std::uint8_t*>(contents.constData());
    return decodeStatsFile(
        std::span<const std::uint8_t>(data, static_cast<std::size_t>(contents.size())));
}

namespace {

bool writeAll(QSaveFile& file, const char* data, qint64 size) {
    return file.write(data, size) == size;
}

// Whatever the old file holds past the ten records goes back after them unchanged.
bool copyTail(const QString& path, QSaveFile& file) {
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly) || old.size() <= kStatsFileLength) {
        return true;
    }
    if (!old.seek(kStatsFileLength)) {
        return false;
    }
    while (!old.atEnd()) {
        const QByteArray chunk = old.read(64 * 1024);
        if (chunk.isEmpty() || !writeAll(file, chunk.constData(), chunk.size())) {
            return false;
        }
    }
    return true;
}

} // namespace

void writeStatsFile(const QString& programFolder, const ScoreTable& table) {
    const StatsBytes bytes = encodeStatsFile(table);
    const QString path = statsFilePath(programFolder);
    // The new contents go to a temporary file that replaces stats.dat only when complete.
    // Unbuffered, so a short write (a full disk) is seen here: a buffered QSaveFile would
    // still commit the part that was written.
    makeFolder(programFolder); // the player's data folder is made by the first write
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw ProgramError("Path/File access error");
    }
    if (!writeAll(file, reinterpret_cast<const char*>(bytes.data()), kStatsFileLength) ||
        !copyTail(path, file)) {
        file.cancelWriting();
        file.commit(); // only removes the temporary file
        throw ProgramError("Device I/O error");
    }
    if (!file.commit()) {
        throw ProgramError("Device I/O error");
    }
}

void removeStaleStatsTemporaries(const QString& programFolder) {
    removeStaleSaveTemporaries(programFolder, QString::fromLatin1(kStatsFileName));
}

void loadScoreTable(const QString& programFolder) {
    removeStaleStatsTemporaries(programFolder);
    scoreTable = readStatsFile(programFolder);
}

} // namespace quillan
