#pragma once
// The "Hand Analysis" window: the 32 holds of the hand on the table, best first, each with
// its exact return per credit and what it costs against the best one; the ladder's play and
// the best play marked, and after the draw the player's own hold (or a hold the advisor
// refused); a running line for the session. It only shows what it is given (see PokerAnalysis).

#include <QWidget>
#include <optional>

#include "poker/poker_hold_value_rules.h"
#include "poker/poker_session_tally_rules.h"

class QLabel;
class QTableWidget;

namespace quillan {

class PokerAnalysisWindow : public QWidget {
  public:
    explicit PokerAnalysisWindow(QWidget* parent);

    void showPreparing(); // the values are still being worked out
    void showWaiting();   // no hand to analyse yet
    void showDeal(const DealAnalysis& analysis);
    void showDraw(const DealAnalysis& analysis, unsigned heldMask);
    // The advisor refused `heldMask`: that hold, the ladder's play and what the refused hold
    // would have been worth; the hand still waits for its draw.
    void showRefusal(const DealAnalysis& analysis, unsigned heldMask);
    void showTally(const SessionTally& tally);

    // What the window shows, for tests and for reading it back.
    QTableWidget* holdTable() const { return holds_; }
    QString headline() const;
    QString verdict() const;
    QString tallyLine() const;

    // Columns of the hold table.
    static constexpr int kCardColumns = 5;
    static constexpr int kReturnColumn = 5;
    static constexpr int kCostColumn = 6;
    static constexpr int kPlayColumn = 7;

  private:
    // The held row is marked "Yours" after a draw, "Refused" after a refusal.
    void fillRows(const DealAnalysis& analysis, std::optional<unsigned> heldMask,
                  bool refused = false);
    void fillRow(int row, const DealAnalysis& analysis, const HoldValue& hold, bool yours,
                 bool refused);

    QLabel* headline_ = nullptr;
    QTableWidget* holds_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* tally_ = nullptr;
};

// "10♠", "Q♥": the card's rank and suit as the window writes them.
QString pokerCardName(int cardValue);

} // namespace quillan
