// "Save Position": both hands written to bug.txt for a bug report, in the program folder
// or, when that may not be written, in the player's data folder.
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "app/frm_main.h"
#include "common/program_error.h"
#include "extras/position_dump_rules.h"
#include "platform/program_paths.h"

namespace quillan {

namespace {

// Replaces `path` with `text` as a whole: the earlier file stays as it was when the new
// one cannot be written completely.
void replaceTextFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true); // a folder that refuses new files may still allow this one
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        throw ProgramError("Path/File access error");
    }
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size || !file.commit()) {
        throw ProgramError("Path/File access error");
    }
}

} // namespace

void FrmMain::mnuSavePosition_Click() {
    trap("mnuSavePosition_Click", [&] {
        const QString folder = platform_.writableFolder();
        makeFolder(folder);
        const QString path = folder + QStringLiteral("/bug.txt");
        replaceTextFile(path, positionDumpText(cards.handplayer, cards.handComputer));
        const std::string shown =
            QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
        platform_.messageBox(QString::fromStdString(positionSavedMessage(shown)), programTitle());
    });
}

} // namespace quillan
