#pragma once
// A label that reports mouse presses with the button as the program numbers it (1 primary,
// 2 secondary, 4 middle): the player's deadwood figure of the score panel.

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace quillan {

class PressLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void(int)> onPress;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const Qt::MouseButton b = event->button();
        const int button = b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : 4;
        if (onPress) {
            onPress(button);
        }
    }
};

} // namespace quillan
