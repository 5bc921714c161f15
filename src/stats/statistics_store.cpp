#include "stats/statistics_store.h"

#include "platform/program_paths.h"
#include "platform/save_file_temporaries.h"
#include "stats/statistics_file_rules.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillan {

// The record always lives in the player's data folder, wherever the program runs from.
QString statisticsFolder() {
    return userDataFolder();
}

StatisticsStore::StatisticsStore(QString folder) : folder_(std::move(folder)) {}

QString StatisticsStore::path() const {
    return QDir(folder_).filePath(QString::fromUtf8(kStatisticsFileName));
}

StatisticsLoad StatisticsStore::load() const {
    removeStaleSaveTemporaries(folder_, QString::fromUtf8(kStatisticsFileName));
    StatisticsLoad result;
    const QFileInfo info(path());
    if (!info.exists() && !info.isSymLink()) {
        return result;
    }
    QFile file(path());
    StatisticsParse parse;
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        parse.problem = "it could not be opened";
    } else {
        const QByteArray bytes = file.read(static_cast<qint64>(kMaxStatisticsBytes) + 1);
        parse = parseStatistics(std::string_view(bytes.constData(), bytes.size()));
        file.close();
    }
    if (parse.record) {
        result.record = *parse.record;
        return result;
    }
    result.problem = QString::fromStdString(parse.problem);
    result.setAsideAs = setAside();
    return result;
}

QString StatisticsStore::unusedName(const QString& kind) const {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path() + QLatin1Char('.') + kind + QLatin1Char('-') + stamp;
    for (int n = 0; n < 100; ++n) {
        const QString name = n == 0 ? base : base + QLatin1Char('-') + QString::number(n);
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink()) {
            return name;
        }
    }
    return {};
}

// Renames the file to "statistics.txt.corrupt-<date>-<time>".
QString StatisticsStore::setAside() const {
    const QString name = unusedName(QStringLiteral("corrupt"));
    return !name.isEmpty() && QDir().rename(path(), name) ? name : QString();
}

bool StatisticsStore::keepBeforeReset() const {
    const QFileInfo info(path());
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    const QString name = unusedName(QStringLiteral("before-reset"));
    return !name.isEmpty() && QFile::copy(path(), name);
}

bool StatisticsStore::save(const StatisticsRecord& record) const {
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    // Unbuffered: a short write (a full disk, a size limit) shows at once as a short count;
    // buffered, commit() can take a cut-off flush for a whole file.
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const std::string text = statisticsText(record);
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace quillan
