// A card in flight and the window's events: between frames the window answers (repaints,
// timers, the window manager), on the real clock too and however slowly the frames draw,
// while input waits in the queue until the move is over; the move keeps its time.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "platform/qt_platform.h"
#include "support/rummy_window_fixture.h"
#include "table/frame_pacer.h"

using namespace quillan;
using quillan::test::RummyWindowTest;

namespace {

// Counts a 5 ms timer's ticks and the longest time between two of them (or from the start).
class TickCounter {
  public:
    TickCounter() {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longestGapMs_ = std::max(longestGapMs_, clock_.restart());
            ++ticks_;
        });
        timer_.start(5);
    }
    int ticks() const { return ticks_; }
    qint64 longestGapMs() const { return longestGapMs_; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    int ticks_ = 0;
    qint64 longestGapMs_ = 0;
};

// `frames` frames of `workMs` drawing each, paced at `delay` on the real platform; the time
// they took.
qint64 flyFrames(QtPlatform& platform, int32 delay, int frames, int workMs) {
    QElapsedTimer clock;
    clock.start();
    FramePacer pacer(platform, delay);
    for (int f = 0; f < frames; ++f) {
        QElapsedTimer work;
        work.start();
        while (work.elapsed() < workMs) {
        }
        pacer.frameDone();
    }
    return clock.elapsed();
}

class FlightEvents : public RummyWindowTest {};

} // namespace

TEST(FrameWaits, TimersRunBetweenFramesAndTheFlightKeepsItsTime) {
    QtPlatform platform(QDir::tempPath());
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    platform.frameWait(0);
    EXPECT_TRUE(fired);

    const TickCounter quick;
    const qint64 took = flyFrames(platform, 200, 150, 0); // 2 ms a frame: 300 ms
    EXPECT_GE(took, 290);                                 // the clock counts whole milliseconds
    EXPECT_GE(quick.ticks(), 10) << "longest gap " << quick.longestGapMs() << " ms";

    // Frames that take longer to draw than their time leave nothing to wait; the events
    // still run between them.
    const TickCounter slow;
    flyFrames(platform, 200, 100, 3);
    EXPECT_GE(slow.ticks(), 5) << "longest gap " << slow.longestGapMs() << " ms";

    // Delay 0 never waits, yet lets the events run as often.
    const TickCounter unpaced;
    EXPECT_LT(flyFrames(platform, 0, 100, 3), 1000); // 300 ms of drawing, no waits
    EXPECT_GE(unpaced.ticks(), 5) << "longest gap " << unpaced.longestGapMs() << " ms";
}

TEST_F(FlightEvents, TheDealLetsWindowEventsRunButNoClickReachesTheTableMidFlight) {
    FrmMain& w = game();
    w.settings.prfAnimation = kTrue;
    w.settings.prfAnimationDelay = 100;
    int ranMidFlight = 0;
    int clicksMidFlight = 0;
    struct ClickSpy : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress) {
                seen();
            }
            return false;
        }
    } spy;
    spy.seen = [&] { clicksMidFlight += w.ui.table->hasFrame() ? 1 : 0; };
    w.ui.table->installEventFilter(&spy);
    platform.onSleep = [&, frame = 0](int) mutable {
        if (frame++ % 25 != 0) {
            return;
        }
        QTimer::singleShot(0, [&] { ranMidFlight += w.ui.table->hasFrame() ? 1 : 0; });
        const QPointF at = centreOf(w.table.picDeal[0]);
        const QPointF global = w.ui.table->mapToGlobal(at);
        QApplication::postEvent(w.ui.table, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                            Qt::LeftButton, Qt::LeftButton, {}));
    };
    w.kept.playerStartsNext = kFalse;
    w.mnuPlayRummy_Click();
    platform.onSleep = nullptr;
    QApplication::processEvents();
    EXPECT_GT(ranMidFlight, 10);
    EXPECT_EQ(clicksMidFlight, 0);
    EXPECT_EQ(w.turn.playerHoldsDraw, kFalse); // the clicks, let in after the deal, took nothing
    EXPECT_EQ(w.cards.stock.upperBound(), 30);
}
