// Clicks made while cards are moving (the deal, the computer's turn) reach the window only
// once the move is over; they must change nothing then, not be played as a take, a discard
// or a rearrangement of the hand.
#include <QApplication>
#include <QMouseEvent>

#include "support/rummy_window_fixture.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

class BusyClicks : public RummyWindowTest {
  protected:
    // Animation on, with a frame delay, so the flights sleep between frames.
    FrmMain& animatedGame() {
        FrmMain& w = game();
        w.settings.prfAnimation = kTrue;
        w.settings.prfAnimationDelay = 100; // the pacer sleeps after every frame
        return w;
    }

    // Queues what the window system would deliver for a click at `at` (table pixels).
    static void queueClick(FrmMain& w, QPointF at) {
        QWidget* canvas = w.ui.table;
        const QPointF global = canvas->mapToGlobal(at);
        QApplication::postEvent(
            canvas, new QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, {}));
        QApplication::postEvent(canvas, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
        QApplication::postEvent(canvas, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
    }

    // While `busy` holds, every 40th frame of a flight queues clicks on the Deck, the
    // Reject stack and the fourth card of the hand.
    void clickWhileBusy(FrmMain& w, std::function<bool()> busy) {
        platform.onSleep = [this, &w, busy, frame = 0](int) mutable {
            if (!busy() || frame++ % 40 != 0) {
                return;
            }
            ++queued;
            queueClick(w, centreOf(w.table.picDeal[0]));
            queueClick(w, centreOf(w.table.picReject));
            queueClick(w, onHand(w, w.cards.handplayer[3].x + 3));
        };
    }

    int queued = 0;
};

} // namespace

TEST_F(BusyClicks, ClicksDuringTheDealAreDropped) {
    FrmMain& w = animatedGame();
    Hand dealt;
    clickWhileBusy(w, [&] {
        if (isSet(w.turn.dealInProgress)) {
            dealt = w.cards.handplayer; // the new hand, as dealt
            return true;
        }
        return false;
    });
    w.kept.playerStartsNext = kFalse; // the player opens the new hand
    w.mnuPlayRummy_Click();
    platform.onSleep = nullptr;
    QApplication::processEvents(); // whatever is still queued
    ASSERT_GT(queued, 0);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), 1);
    EXPECT_EQ(w.cards.handplayer, dealt);
    EXPECT_EQ(status(w), "Click the Deck or Reject stack..");
}

TEST_F(BusyClicks, ClicksDuringTheComputersTurnAreDropped) {
    FrmMain& w = animatedGame();
    clickAt(w, centreOf(w.table.picDeal[0]));
    clickWhileBusy(w, [&] { return isSet(w.turn.computerTurn); });
    clickCard(w, 0);
    platform.onSleep = nullptr;
    ASSERT_GT(queued, 0);
    ASSERT_FALSE(isSet(w.turn.handOver));
    const Hand hand = w.cards.handplayer;
    const long stock = w.cards.stock.upperBound();
    const long reject = w.cards.rejectPile.upperBound();
    QApplication::processEvents(); // back in the event loop
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse);
    EXPECT_EQ(w.cards.stock.upperBound(), stock);
    EXPECT_EQ(w.cards.rejectPile.upperBound(), reject);
    EXPECT_EQ(w.cards.handplayer, hand);
}

TEST_F(BusyClicks, ClicksAfterTheMoveArePlayedAsUsual) {
    FrmMain& w = animatedGame();
    clickAt(w, centreOf(w.table.picDeal[0]));
    clickCard(w, 0);
    queueClick(w, centreOf(w.table.picReject)); // made once the computer has played
    QApplication::processEvents();
    EXPECT_EQ(w.turn.playerHoldsDraw, kTrue);
}

// "Start New Game" chosen from the menu while the computer pauses in its turn waits for the
// turn like the other game commands: the reject pile stays under the running turn.
TEST_F(BusyClicks, StartNewGameDuringTheComputersTurnLeavesItsCards) {
    FrmMain& w = game();
    int asked = 0;
    platform.onDelay = [&](int) {
        if (isSet(w.turn.computerTurn) && asked++ == 0) {
            w.mnuStart_Click();
        }
    };
    clickAt(w, centreOf(w.table.picDeal[0]));
    clickAt(w, centreOf(w.table.picPlayerDraw)); // the drawn card thrown: the computer's turn
    ASSERT_GT(asked, 0);
    EXPECT_EQ(w.cards.stock.upperBound() + w.cards.rejectPile.upperBound(), 31);
    EXPECT_GE(w.cards.rejectPile.upperBound(), 1);
}
