#pragma once
#include <QString>

namespace quillan {

// True when the file exists and is not empty; any failure gives false.
bool FileExists(const QString& path);

} // namespace quillan
