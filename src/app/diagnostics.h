#pragma once
// What a soak run or a developer may ask the program to report, never shown to a player.
// Only when QUILLAN_DIAGNOSTICS names a file: Qt's messages are appended to it (instead of
// being dropped), and the file's time stamp is renewed at most once a second whenever a
// window paints, so an outside watcher can tell a frozen window from a working one.

#include <QElapsedTimer>
#include <QObject>
#include <QString>

namespace quillan {

class Diagnostics : public QObject {
  public:
    // Watches the application's paints when the switch is set; does nothing otherwise.
    Diagnostics();
    ~Diagnostics() override;
    Diagnostics(const Diagnostics&) = delete;
    Diagnostics& operator=(const Diagnostics&) = delete;

    // The file named by QUILLAN_DIAGNOSTICS; empty when the switch is off.
    static QString file();
    // Appends one line to that file.
    static void append(const QString& line);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QElapsedTimer sinceBeat_;
};

} // namespace quillan
