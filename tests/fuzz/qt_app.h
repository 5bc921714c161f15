#pragma once
// One offscreen application for the harnesses that load into widgets.

#include <QApplication>
#include <QtGlobal>

namespace quillan::fuzz {

// Made on the first call; Qt's messages are dropped. It is never destroyed, and neither are
// the harnesses' own Qt objects: at exit Qt's internal statics are already gone, and taking
// an application down after them crashes inside Qt.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return new QApplication(argc, argv);
    }();
    return *app;
}

// An object of the harness that lives as long as the application does (see above).
template <typename T> T& lasting() {
    static T* const object = new T;
    return *object;
}

} // namespace quillan::fuzz
