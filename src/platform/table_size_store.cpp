#include "platform/table_size_store.h"

#include <QSettings>

namespace quillan {

namespace {

const QString kKey = QStringLiteral("Display/TableSize");

// The same file as the preferences: ~/.config/Quillan/Quillan.ini.
QSettings settingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillan"),
                     QStringLiteral("Quillan"));
}

} // namespace

TableSize readTableSize() {
    return tableSizeFromText(settingsFile().value(kKey).toString().toStdString());
}

void writeTableSize(TableSize size) {
    QSettings store = settingsFile();
    store.setValue(kKey, QString::fromStdString(textFromTableSize(size)));
    store.sync();
}

} // namespace quillan
