// stats.dat read and written again, from any bytes: nothing crashes; every whole record
// read is written back with its bytes, and so is anything past the ten records; records
// beyond the end of a short file take their defaults; changing one entry leaves the
// bytes of every other record as they were.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <span>

#include "fuzz_target.h"
#include "scores/score_file_rules.h"
#include "scores/score_name_rules.h"
#include "scores/stats_file.h"

using namespace quillan;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkRules(std::span<const std::uint8_t> bytes, const ScoreTable& table) {
    const StatsBytes again = encodeStatsFile(table);
    const std::size_t whole = std::min<std::size_t>(bytes.size() / kRecordLength, kScoreEntries);
    fuzz::require(std::equal(bytes.begin(),
                             bytes.begin() + static_cast<long>(whole * kRecordLength),
                             again.begin()),
                  "a whole record was not written back with the bytes read");
    const ScoreTable defaults = defaultScoreTable();
    for (std::size_t i = whole; i < kScoreEntries; ++i) {
        fuzz::require(table[static_cast<long>(i)] == defaults[static_cast<long>(i)],
                      "an entry past the end of a short file is not its default");
    }
    fuzz::require(decodeStatsFile(again) == table, "the written table reads back differently");
}

void checkFile(const QTemporaryDir& dir, const QByteArray& bytes, const ScoreTable& table) {
    const QString path = statsFilePath(dir.path());
    {
        QFile file(path);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write input");
        file.write(bytes);
    }
    const ScoreTable read = readStatsFile(dir.path());
    fuzz::require(read == table, "the file reads differently from its bytes");
    writeStatsFile(dir.path(), read);
    const QByteArray written = fileBytes(path);
    const qsizetype whole = std::min<qsizetype>(bytes.size() / kRecordLength, kScoreEntries);
    fuzz::require(written.left(whole * kRecordLength) == bytes.left(whole * kRecordLength),
                  "rewriting changed a whole record");
    if (bytes.size() >= kStatsFileLength) {
        fuzz::require(written == bytes, "an unchanged file was not rewritten byte for byte");
    } else {
        fuzz::require(written.size() == kStatsFileLength, "a short file was not completed");
    }
    if (bytes.isEmpty()) {
        return;
    }
    // One entry changed: the other records and the tail keep their bytes.
    const int changed = static_cast<unsigned char>(bytes[0]) % 9;
    ScoreTable table2 = read;
    table2[changed] = {fitName("fuzz"), 7};
    writeStatsFile(dir.path(), table2);
    const QByteArray again = fileBytes(path);
    for (int r = 0; r < kScoreEntries; ++r) {
        const QByteArray record = again.mid(r * kRecordLength, kRecordLength);
        if (r != changed) {
            fuzz::require(record == written.mid(r * kRecordLength, kRecordLength),
                          "changing one entry changed another record");
        }
    }
    fuzz::require(again.mid(kStatsFileLength) == written.mid(kStatsFileLength),
                  "changing an entry changed the bytes past the ten records");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In memory where the system offers it: thousands of rewrites are then quick.
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/quillan-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/quillan-fuzz-XXXXXX"));
    const std::span<const std::uint8_t> bytes(data, size);
    const ScoreTable table = decodeStatsFile(bytes);
    checkRules(bytes, table);
    checkFile(dir, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
              table);
    return 0;
}

std::vector<std::string> quillan::fuzz::seeds() {
    ScoreTable named = defaultScoreTable();
    enterScore(named, 0, "Ann", 131);
    enterScore(named, 3, "Müller €", 25);
    enterScore(named, 6, "Ã©", -5);
    const StatsBytes a = encodeStatsFile(defaultScoreTable());
    const StatsBytes b = encodeStatsFile(named);
    const std::string full(a.begin(), a.end());
    const std::string withNames(b.begin(), b.end());
    return {full, withNames, withNames.substr(0, 50), withNames + std::string(80, '\x81')};
}
