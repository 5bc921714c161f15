#include "table/program_files.h"

#include <QDir>
#include <QFileInfo>

namespace quillan {

bool FileExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.isFile() && info.size() > 0;
}

QString programFilePath(const QString& programFolder, const QString& relativeName) {
    QString relative = relativeName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) {
        relative.remove(0, 1);
    }
    return QDir::cleanPath(programFolder + QLatin1Char('/') + relative);
}

} // namespace quillan
