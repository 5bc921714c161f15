// Entry point of the window tests: one QApplication on the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The offscreen platform reports what it cannot do (size hints, keyboard grabs, audio);
// those notices say nothing about the code under test. QUILLAN_TEST_VERBOSE shows them.
void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QUILLAN_TEST_VERBOSE")) {
        qInstallMessageHandler(quietMessages);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The user's data folder (the statistics file) is a temporary one: no test writes to the
    // home folder of whoever runs it.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
