#pragma once
// A main window on the offscreen platform with the fake Platform and its own temporary
// program folder. The window is built on demand so a test can script the store first.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/frm_main.h"
#include "support/fake_platform.h"

namespace quillan::test {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() : platform(folder.path()) {}

    FrmMain& window() {
        if (!window_) {
            window_ = std::make_unique<FrmMain>(platform);
            window_->endProgram = [this] { ++endCalls; };
        }
        return *window_;
    }

    // Builds the window and runs Form_Load.
    FrmMain& loaded() {
        window().Form_Load();
        return *window_;
    }

    // Writes a non-empty file under the program folder.
    void addFile(const QString& relative) {
        const QString path = folder.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    QTemporaryDir folder;
    FakePlatform platform;
    int endCalls = 0;

  private:
    std::unique_ptr<FrmMain> window_;
};

} // namespace quillan::test
