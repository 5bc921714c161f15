#pragma once
// The window shown while the program starts: its name and "Version major.minor.revision".

#include <QWidget>

namespace quillan {

class SplashWindow : public QWidget {
  public:
    SplashWindow();
    static QString versionText();
};

} // namespace quillan
