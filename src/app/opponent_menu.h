#pragma once
// The "Opponent" submenu of the Preferences menu: the computer's level, Standard, Strong or
// Expert. A choice is stored at once and takes effect at the next hand, as the menu's last
// line says.

#include <QMenu>

namespace quillan {

class OpponentLevel;

class OpponentMenu : public QMenu {
  public:
    // `level` outlives the menu (both belong to the main window).
    explicit OpponentMenu(OpponentLevel& level, QWidget* parent = nullptr);

  private:
    void showChosen();

    OpponentLevel& level_;
    QList<QAction*> items_;
    QAction* note_ = nullptr;
};

// Reads the stored choice into `level`, has it write its choices back, and adds the submenu at
// the end of `menu`.
OpponentMenu* addOpponentMenu(QMenu& menu, OpponentLevel& level);

} // namespace quillan
