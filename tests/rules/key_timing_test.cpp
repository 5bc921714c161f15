// Telling keys pressed while the table was busy from keys pressed since, by the window
// system's stamps and the program's own clock.
#include <gtest/gtest.h>

#include "table/key_timing_rules.h"

using quillan::KeyTiming;

namespace {

// The window system's clock runs 50000 ms ahead of the program's.
constexpr std::uint64_t stampAt(std::int64_t programMs) {
    return static_cast<std::uint64_t>(programMs + 50'000);
}

} // namespace

TEST(KeyTiming, AKeyPressedBeforeTheLastBusyMomentIsStaleAndOneAfterItIsNot) {
    KeyTiming t;
    t.inputArrived(stampAt(1000), 1001); // idle: arrives a millisecond after its stamp
    t.busySeen(1500);
    t.busySeen(2000);                    // the last frame of a card move
    t.inputArrived(stampAt(1800), 2010); // pressed during the move, read afterwards
    EXPECT_TRUE(t.pressedWhileBusy(stampAt(1800)));
    EXPECT_TRUE(t.pressedWhileBusy(stampAt(1999)));
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(2001)));
}

TEST(KeyTiming, TheClocksAreTiedByTheQuickestArrivalNotByALateOne) {
    KeyTiming t;
    t.inputArrived(stampAt(5000), 5400); // the first event waited 400 ms
    t.busySeen(5300);
    // Tied by that one only, a key pressed at 5200 looks as if pressed at 5600.
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(5200)));
    t.inputArrived(stampAt(6000), 6001); // a prompt arrival ties the clocks closely
    EXPECT_TRUE(t.pressedWhileBusy(stampAt(5200)));
    t.inputArrived(stampAt(7000), 7900); // a late arrival changes nothing
    EXPECT_TRUE(t.pressedWhileBusy(stampAt(5299)));
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(5301)));
}

TEST(KeyTiming, UnstampedKeysAndKeysBeforeAnyTieOrBusyMomentCountAsNew) {
    KeyTiming t;
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(10)));
    t.busySeen(100);
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(10))); // the clocks are not tied yet
    t.inputArrived(0, 200);                        // no stamp: ties nothing
    EXPECT_FALSE(t.pressedWhileBusy(stampAt(10)));
    t.inputArrived(stampAt(150), 150);
    EXPECT_TRUE(t.pressedWhileBusy(stampAt(10)));
    EXPECT_FALSE(t.pressedWhileBusy(0));
}

TEST(KeyTiming, AWindowSystemClockSetBackIsTiedAfresh) {
    KeyTiming t;
    t.inputArrived(stampAt(100'000), 100'000);
    t.busySeen(200'000);
    // The stamps start again from a small number: such an event seems to have waited for
    // minutes, which no busy table makes it do.
    t.inputArrived(300, 200'500);
    t.busySeen(200'450);
    EXPECT_FALSE(t.pressedWhileBusy(301)); // tied to the old clock, every key would be stale
    EXPECT_TRUE(t.pressedWhileBusy(200));  // pressed 100 ms earlier: during the busy moment
}
