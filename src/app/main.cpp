// Start-up: the splash for three seconds while the main window loads, then the table.
#include <QApplication>
#include <cstdio>

#include "app/diagnostics.h"
#include "app/frm_main.h"
#include "app/splash_window.h"
#include "extras/help_viewer.h"
#include "platform/qt_platform.h"

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillan"));
    QApplication::setQuitOnLastWindowClosed(false);
    quillan::Diagnostics diagnostics;

    quillan::QtPlatform platform(QApplication::applicationDirPath());
    quillan::HelpViewer help;
    platform.setHelpViewer([&help](const QString& file) { help.showContents(file); });
    quillan::FrmMain window(platform);
    window.helpFile = platform.programFolder() + QStringLiteral("/felton.hlp");
    window.endProgram = [] { QCoreApplication::quit(); };

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
