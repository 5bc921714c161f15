#pragma once
// Tool tips for the figures painted straight onto the Gin Rummy table: the two banks are
// outlined text on the table's image, not widgets of their own, so the table answers the
// tool tip question for their places.

#include <QObject>
#include <QString>

class QPoint;

namespace quillan {

class FrmMain;

// "Your bank" or "Computer's bank" over a bank figure of the Gin Rummy table; empty
// elsewhere and in Video Poker. `at` is in the table's coordinates.
QString bankToolTipAt(const FrmMain& w, const QPoint& at);

// Shows those tips on the window's table; owned by the window.
class BankToolTips : public QObject {
  public:
    explicit BankToolTips(FrmMain& main);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const FrmMain& main_;
};

} // namespace quillan
