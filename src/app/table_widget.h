#pragma once
// The client area of the main window. For now it shows the background picture (or the
// cloth colour when there is none) and opens the Action menu on a secondary click.

#include <QWidget>

namespace quillan {

class FrmMain;

class TableWidget : public QWidget {
  public:
    explicit TableWidget(FrmMain& owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    FrmMain& owner_;
};

} // namespace quillan
