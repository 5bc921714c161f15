#include "platform/extra_settings.h"

#include <QSettings>

namespace quillan {

namespace {

QSettings settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillan"),
                     QStringLiteral("Quillan"));
}

} // namespace

std::string readExtraSetting(const char* key) {
    return settingsFile().value(QString::fromUtf8(key)).toString().toStdString();
}

void writeExtraSetting(const char* key, const std::string& text) {
    QSettings store = settingsFile();
    store.setValue(QString::fromUtf8(key), QString::fromStdString(text));
    store.sync();
}

} // namespace quillan
