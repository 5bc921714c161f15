// QT_SCALE_FACTOR set by the player before start: a usable value is left to Qt; a value that
// cannot draw the window is taken out of the environment with one line on standard error, and
// the stored table size applies instead.
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/table_scale.h"
#include "platform/table_size_store.h"

using namespace quillan;

namespace {

// What the code writes on standard error while it lives.
class StderrCapture {
  public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray text() {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

  private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

// A variable set for one test and put back afterwards.
class EnvValue {
  public:
    EnvValue(const char* name, const QByteArray& value, bool set = true)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (set) {
            qputenv(name, value);
        } else {
            qunsetenv(name);
        }
    }
    ~EnvValue() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvValue(const EnvValue&) = delete;
    EnvValue& operator=(const EnvValue&) = delete;

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class TableScaleEnv : public ::testing::Test {
  protected:
    TableScaleEnv() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path()); }

    QTemporaryDir home;
    EnvValue noDisplay{"DISPLAY", {}, false}; // no screen to measure the window against
};

} // namespace

TEST_F(TableScaleEnv, AValueThatCannotDrawTheWindowGivesWayToTheTableSize) {
    writeTableSize(TableSize::Percent150);
    for (const char* bad : {"0", "-1", "abc", ""}) {
        const EnvValue scale("QT_SCALE_FACTOR", bad);
        StderrCapture err;
        EXPECT_EQ(applyTableSize(), 150) << bad;
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5") << bad;
        const QByteArray said = err.text();
        EXPECT_TRUE(said.startsWith("Quillan: QT_SCALE_FACTOR=" + QByteArray(bad) + " is ignored"))
            << said.toStdString();
        EXPECT_TRUE(said.endsWith("the table size, 150%.\n")) << said.toStdString();
        EXPECT_EQ(said.count('\n'), 1);
    }
    writeTableSize(TableSize::Percent100);
    const EnvValue scale("QT_SCALE_FACTOR", "-1");
    StderrCapture err;
    EXPECT_EQ(applyTableSize(), 100);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")); // 100%: nothing is scaled
    EXPECT_TRUE(err.text().endsWith("the table size, 100%.\n"));
}

TEST_F(TableScaleEnv, AUsableValueIsLeftToQtAndNothingIsSaid) {
    writeTableSize(TableSize::Percent150);
    const EnvValue scale("QT_SCALE_FACTOR", "1.25");
    StderrCapture err;
    EXPECT_EQ(applyTableSize(), 0);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.25");
    EXPECT_TRUE(err.text().isEmpty());
}
