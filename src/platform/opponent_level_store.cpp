#include "platform/opponent_level_store.h"

#include <QSettings>

namespace quillan {

namespace {

const QString kKey = QStringLiteral("Opponent/Level");

// The same file as the preferences: ~/.config/Quillan/Quillan.ini.
QSettings settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillan"),
                     QStringLiteral("Quillan"));
}

} // namespace

std::string readOpponentLevel() {
    return settingsFile().value(kKey).toString().toStdString();
}

void writeOpponentLevel(const std::string& level) {
    QSettings store = settingsFile();
    store.setValue(kKey, QString::fromStdString(level));
    store.sync();
}

} // namespace quillan
