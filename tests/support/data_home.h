#pragma once
// The user's data folder of one test: XDG_DATA_HOME points at a temporary folder of its own
// while the test lives, so the statistics it writes start empty and stay apart.

#include <QByteArray>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillan::test {

class DataHome {
  public:
    DataHome() : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", previous_); }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

    static QString statisticsFile() {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/statistics.txt");
    }

  private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

} // namespace quillan::test
