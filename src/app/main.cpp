// Start-up: the splash for three seconds while the main window loads, then the table.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/diagnostics.h"
#include "app/frm_main.h"
#include "app/opponent_menu.h"
#include "app/splash_window.h"
#include "app/table_size_menu.h"
#include "extras/help_viewer.h"
#include "platform/program_paths.h"
#include "platform/qt_platform.h"
#include "platform/table_scale.h"

namespace {

constexpr int kSplashMs = 3000;

// A player never sees Qt's diagnostics on the console; only a fatal error, after which the
// program cannot go on (no display to open, say), is said before it ends. With the
// diagnostics switch on, every message goes to its file.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!quillan::Diagnostics::file().isEmpty()) {
        quillan::Diagnostics::append(QStringLiteral("Qt message: ") + message);
    }
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Quillan: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietMessages);
    const int tablePercent = quillan::applyTableSize();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillan"));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillan.Quillan"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.quillan.Quillan")));
    quillan::Diagnostics diagnostics;

    const auto paths = quillan::findProgramPaths(QApplication::applicationDirPath());
    quillan::QtPlatform platform(paths.programFolder, paths.writableFolder);
    quillan::HelpViewer help;
    platform.setHelpViewer([&help](const QString& file) { help.showContents(file); });
    quillan::FrmMain window(platform);
    platform.setDialogParent(&window);
    window.helpFile = platform.programFolder() + QStringLiteral("/felton.hlp");
    window.endProgram = [] { QCoreApplication::quit(); };
    quillan::addTableSizeMenu(*window.menus.mnuPreferences, tablePercent);
    quillan::addOpponentMenu(*window.menus.mnuPreferences, *window.opponent);

    quillan::SplashWindow splash;
    splash.keepAbove(window);
    splash.show();
    platform.doEvents();
    window.GetCardHeight();
    platform.shortDelay(kSplashMs);
    window.applyHideDesktop();
    splash.close();
    if (window.isUnloaded()) {
        return 0;
    }
    if (!window.isVisible()) {
        window.show();
    }
    return QApplication::exec();
}
