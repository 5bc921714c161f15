#pragma once
// Files under the program's folder: pictures, custom backs and sound cues are named by the
// game relative to the folder ("\wavs\deal.wav", "\pics\" + name), with backslashes.

#include <QString>

namespace quillan {

// True when the file exists and is not empty; anything else (missing, a folder, an
// unreadable or bad path) is false.
bool FileExists(const QString& path);

// The program folder joined with a relative name written with either kind of slash.
QString programFilePath(const QString& programFolder, const QString& relativeName);

} // namespace quillan
