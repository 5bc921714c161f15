#include "platform/save_file_temporaries.h"

#include <QDir>
#include <algorithm>

namespace quillan {

namespace {

constexpr int kSuffixLength = 6;

bool isAsciiLetterOrDigit(QChar c) {
    const char a = c.toLatin1();
    return (a >= '0' && a <= '9') || (a >= 'a' && a <= 'z') || (a >= 'A' && a <= 'Z');
}

} // namespace

bool isSaveFileTemporary(const QString& name, const QString& fileName) {
    const QString prefix = fileName + QLatin1Char('.');
    if (name.size() != prefix.size() + kSuffixLength || !name.startsWith(prefix)) {
        return false;
    }
    const QString suffix = name.mid(prefix.size());
    return std::all_of(suffix.begin(), suffix.end(), isAsciiLetterOrDigit);
}

void removeStaleSaveTemporaries(const QString& folder, const QString& fileName) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({fileName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (isSaveFileTemporary(name, fileName)) {
            dir.remove(name);
        }
    }
}

} // namespace quillan
