#include "platform/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillan {

namespace {

const QString kShareFolderName = QStringLiteral("quillan");

} // namespace

QStringList programFolderCandidates(const QString& executableFolder,
                                    const QStringList& dataFolders) {
    QStringList candidates{
        QDir::cleanPath(executableFolder),
        QDir::cleanPath(executableFolder + QStringLiteral("/../share/") + kShareFolderName)};
    for (const QString& data : dataFolders) {
        if (!data.isEmpty()) {
            candidates << QDir::cleanPath(data + QLatin1Char('/') + kShareFolderName);
        }
    }
    candidates.removeDuplicates();
    return candidates;
}

ProgramPaths chooseProgramPaths(const QString& executableFolder, const QStringList& dataFolders,
                                const QString& userDataFolder, const FolderProbe& probe) {
    ProgramPaths paths{QDir::cleanPath(executableFolder), {}};
    for (const QString& candidate : programFolderCandidates(executableFolder, dataFolders)) {
        if (probe.holdsProgramFiles(candidate)) {
            paths.programFolder = candidate;
            break;
        }
    }
    // Only a copy run from its build folder (its files beside it) keeps its scores there: an
    // installed copy's folder goes with an uninstall, so its scores live in the user's folder.
    const bool besideProgram = paths.programFolder == QDir::cleanPath(executableFolder) &&
                               probe.holdsProgramFiles(paths.programFolder) &&
                               probe.isWritable(paths.programFolder);
    const bool useOwnFolder = besideProgram || userDataFolder.isEmpty();
    paths.writableFolder = useOwnFolder ? paths.programFolder : QDir::cleanPath(userDataFolder);
    return paths;
}

ProgramPaths findProgramPaths(const QString& executableFolder) {
    return chooseProgramPaths(
        executableFolder, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
        userDataFolder(), {holdsProgramFiles, isWritableFolder});
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool holdsProgramFiles(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("felton.hlp"))).isFile() ||
           QFileInfo(dir.filePath(QStringLiteral("pics"))).isDir() ||
           QFileInfo(dir.filePath(QStringLiteral("wavs"))).isDir();
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool makeFolder(const QString& folder) {
    return !folder.isEmpty() && QDir().mkpath(folder);
}

} // namespace quillan
