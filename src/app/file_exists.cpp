#include "app/file_exists.h"

#include <QFileInfo>

namespace quillan {

bool FileExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

} // namespace quillan
