#pragma once
// The window that covers the desktop behind the game table: full screen, no controls.
// It never keeps the focus or takes input; whatever activates or clicks it hands the focus
// straight back to the table window.

#include <QWidget>

namespace quillan {

class FrmHide : public QWidget {
  public:
    // `table` is the window that gets the focus; it must outlive the cover.
    explicit FrmHide(QWidget& table);

    // Sizes the cover to the whole screen the table is on and shows it behind the table.
    void showBehindTable();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void passFocusToTable();

    QWidget* table_;
};

} // namespace quillan
