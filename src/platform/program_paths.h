#pragma once
// Where Quillan keeps its files. The program folder holds what it only reads: pictures,
// custom backs, sound cues and the help file. Run from the build folder that is the
// executable's own folder; an installed copy finds them in ../share/quillan beside its bin
// folder, or else in the desktop's data folders. The files it writes (stats.dat, bug.txt) go
// beside the program only when it runs from its build folder; an installed copy always
// writes them to the player's own data folder (~/.local/share/Quillan), so an uninstall
// never takes the player's scores with it.

#include <QString>
#include <QStringList>
#include <functional>

namespace quillan {

struct ProgramPaths {
    QString programFolder;  // read-only files
    QString writableFolder; // stats.dat, bug.txt; may not exist yet (see makeFolder)
};

// What the choice asks of the machine; the program asks the file system, tests describe one.
struct FolderProbe {
    std::function<bool(const QString& folder)> holdsProgramFiles;
    std::function<bool(const QString& folder)> isWritable;
};

// The folders that may hold the program's files, in the order they are tried: the
// executable's folder, ../share/quillan beside it, then "quillan" in each data folder.
QStringList programFolderCandidates(const QString& executableFolder,
                                    const QStringList& dataFolders);

// The first candidate holding the program's files is the program folder (the executable's
// folder when none does, so missing files are skipped as ever). Files are written there only
// when it is the executable's own folder, holds the files and may be written (a build
// folder); an installed copy writes in `userDataFolder` (else nowhere better: the program
// folder).
ProgramPaths chooseProgramPaths(const QString& executableFolder, const QStringList& dataFolders,
                                const QString& userDataFolder, const FolderProbe& probe);

// The choice on this machine. Needs the application's name set (it names the user's folder).
ProgramPaths findProgramPaths(const QString& executableFolder);

// The player's own data folder for the files the program writes: ~/.local/share/Quillan
// (the application's data location). Not created here.
QString userDataFolder();

// True when the folder holds the program's files (its help file, pictures or sounds).
bool holdsProgramFiles(const QString& folder);

// True when `folder` is an existing folder this user may create files in.
bool isWritableFolder(const QString& folder);

// Creates `folder` and its parents when missing; true when it exists afterwards.
bool makeFolder(const QString& folder);

} // namespace quillan
