#pragma once
// The window shown while the program starts: its name and "Version major.minor.revision",
// centred on the screen and kept above the main window until it closes.

#include <QPointer>
#include <QWidget>

namespace quillan {

class SplashWindow : public QWidget {
  public:
    SplashWindow();
    static QString versionText();

    // Keeps the splash above `window` whenever that is shown, raised or activated.
    void keepAbove(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void centre();
    QPointer<QWidget> below_;
};

} // namespace quillan
