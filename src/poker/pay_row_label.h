#pragma once
// One row of the Video Poker pay column: the category's caption on the left and, for a hand
// that pays, what it pays on the bet of 5 on the right, in the row's own text colour. The
// label's text stays the caption alone.

#include <QLabel>

namespace quillan {

class PayRowLabel : public QLabel {
  public:
    // `pays` is 0 for a category that pays nothing.
    PayRowLabel(const QString& caption, int pays, QWidget* parent);

    // The amount as shown, empty for a row that pays nothing.
    const QString& amountText() const { return amount_; }

    static constexpr int kAmountMargin = 8; // right of the amount, inside the row

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString amount_;
};

} // namespace quillan
