#pragma once
// The small pointer over the card chosen from the keyboard where the table has no raised
// card to show: the hand's card before taking, and the drawn card while a discard is due.

#include <QWidget>

namespace quillan {

class KeyMarker : public QWidget {
    Q_OBJECT

  public:
    explicit KeyMarker(QWidget* parent);

    // Shows the marker centred over the span [left, right) of the table, its tip at `tipY`.
    void pointAt(int left, int right, int tipY);

    static constexpr int kWidth = 14;
    static constexpr int kHeight = 9;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quillan
