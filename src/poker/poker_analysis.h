#pragma once
// Follows the Video Poker table for the "Hand Analysis" window: owns the window, the table of
// counts behind the values (built on a worker thread the first time the window opens, so
// the table never waits for it), the analysis of the hand on the table and the session's
// tally. The main window tells it of every deal and every draw; while the analysis window is
// closed it does nothing at all.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <future>
#include <memory>
#include <optional>

#include "poker/poker_advisor_rules.h"
#include "poker/poker_analysis_window.h"
#include "poker/poker_hold_value_rules.h"
#include "poker/poker_session_tally_rules.h"

class QAction;

namespace quillan {

class FrmMain;

class PokerAnalysis : public QObject {
  public:
    // Adds "Hand Analysis" (key A) to the window's Action menu.
    explicit PokerAnalysis(FrmMain& main);
    ~PokerAnalysis() override;

    void open(); // shows the window, with the hand now on the table if one waits for its draw

    // The table's hooks: five cards dealt; the draw done with these holds, finishing in
    // `finalCategory`.
    void dealt(const PokerHand& hand) { takeDeal(hand, false); }
    void drawn(const PokerHeld& held, int finalCategory);
    // The advisor has refused these holds (checking mode); the hand waits for another try.
    void refused(const PokerHeld& held);

    bool ready() const { return table_ != nullptr; }
    void waitUntilReady(); // blocks until the counts are built (tests)
    PokerAnalysisWindow* window() const { return view_; }
    QAction* menuItem() const { return item_; }
    const SessionTally& tally() const { return tally_; }

  private:
    bool following() const;
    void placeBesideTable();
    void takeDeal(const PokerHand& hand, bool opening);
    void startBuilding();
    void takeTable();
    void analysePending();

    FrmMain& main_;
    QAction* item_ = nullptr;
    QPointer<PokerAnalysisWindow> view_;
    std::future<std::unique_ptr<const HoldValueTable>> building_;
    std::unique_ptr<const HoldValueTable> table_;
    QTimer poll_;
    std::optional<PokerHand> dealtHand_; // waiting for the counts or already analysed
    std::optional<DealAnalysis> current_;
    struct Draw {
        unsigned mask;
        int finalCategory;
    };
    std::optional<Draw> pendingDraw_;
    std::optional<unsigned> pendingRefusal_; // the refused hold, shown once analysed
    bool drawSeen_ = false; // the hand's draw has been taken (each hand counts once)
    SessionTally tally_;
};

} // namespace quillan
