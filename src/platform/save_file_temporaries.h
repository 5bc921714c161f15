#pragma once
// The temporary files QSaveFile writes beside a file before it replaces it: the file's name,
// a dot and six letters or digits ("stats.dat.a1B2c3"). A program killed between the write
// and the rename leaves one behind; at start-up no write of ours is under way, so any such
// file in the folder is stale.

#include <QString>

namespace quillan {

// True for a name of `fileName`'s temporaries.
bool isSaveFileTemporary(const QString& name, const QString& fileName);

// Removes the stale temporaries of `fileName` from `folder`; other files stay.
void removeStaleSaveTemporaries(const QString& folder, const QString& fileName);

} // namespace quillan
